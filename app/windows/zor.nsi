; The installer of ZOR for Windows: for the current user, without administrator rights. It puts
; the program in the user's programs folder, adds it to the Start menu with its icon, registers
; its uninstaller in the list of installed apps, and the uninstaller removes every file it put.
;   makensis -DVERSION=1.0 -DSTAGE=<folder with zor.exe and what it needs> -DOUTFILE=<setup.exe> zor.nsi
Unicode true
; Runs where only a 64-bit Windows (or Wine's 64-bit part) is at hand.
Target amd64-unicode
SetCompressor /SOLID lzma
; The installed files get the time of installation, not the build's: the same installer from
; every build of one commit.
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include "${STAGE}/files.nsh"

Name "ZOR"
Caption "ZOR ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\ZOR"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "ZOR ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "ZOR"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "ZOR ${VERSION} - instalación"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 The ZOR developers. GNU GPL, version 3 or later."

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZOR"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !insertmacro ZorInstallFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\ZOR.lnk" "$INSTDIR\zor.exe" "" "$INSTDIR\zor.exe" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ZOR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zor.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The ZOR developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\ZOR.lnk"
    !insertmacro ZorRemoveFiles
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
