"""Debian's headless Chromium, driven through chromium-driver, and a local web server for it.

What the browser tests and the browser's benchmark share: a page of files served on a port of
the loopback interface, with the MIME type a web server gives WebAssembly, and a Chromium of its
own (a fresh profile, no network of its own, the console kept) that opens it.
"""

import functools
import http.server
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


class Files:
    """Serves folder on 127.0.0.1 until closed; pages maps extra paths to generated text."""

    def __init__(self, folder, pages=None):
        pages = pages or {}
        requested = self.requested = []

        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              '.wasm': 'application/wasm', '.js': 'text/javascript'}

            def do_GET(self):
                requested.append(self.path)
                page = pages.get(self.path.split('?')[0])
                if page is None:
                    return super().do_GET()
                body = page.encode()
                self.send_response(200)
                self.send_header('Content-Type', 'text/html; charset=utf-8')
                self.send_header('Content-Length', str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(
            ('127.0.0.1', 0), functools.partial(Handler, directory=folder))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f'http://127.0.0.1:{self.server.server_port}'

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Chromium:
    """A headless Chromium with a screen of width x height CSS pixels and a profile of its own."""

    def __init__(self, width=1280, height=1024):
        self.profile = tempfile.mkdtemp(prefix='zor-chromium-')
        options = Options()
        options.binary_location = '/usr/bin/chromium'
        # As root a sandbox cannot start; the rest keeps Chromium from the network on its own.
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
                         '--disable-background-networking', '--disable-component-update',
                         '--disable-sync', '--disable-quic', '--disable-extensions',
                         '--disable-features=Translate,MediaRouter,OptimizationHints',
                         '--autoplay-policy=user-gesture-required',
                         f'--window-size={width},{height}', f'--user-data-dir={self.profile}'):
            options.add_argument(argument)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        # The page's size, whatever the window's frame takes of it.
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False})

    def console(self):
        """The console's messages since the last call: level and text."""
        return [(entry['level'], entry['message']) for entry in self.driver.get_log('browser')]

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
