; Per-user installer for the two Windows programs. scripts/package defines
; VERSION (1.2.3), STAGE (the folder of files to install, as in the ZIP), ICON
; and OUTFILE.
; No administrator rights: everything goes under the user's own folders and
; HKCU, and the uninstaller removes exactly what this wrote.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
; File times would otherwise end up in the installer and change every build.
SetDateSave off
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Murkvale"

Name "Murkvale ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Murkvale"
; An earlier install is replaced where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Murkvale"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Murkvale ${VERSION} setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 The Murkvale developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Murkvale"
    SetOutPath "$INSTDIR"
    File "${STAGE}\Murkvale.exe"
    File "${STAGE}\murkvale-cli.exe"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Murkvale.lnk" "$INSTDIR\Murkvale.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Murkvale"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Murkvale developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Murkvale.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Murkvale.lnk"
    Delete "$INSTDIR\Murkvale.exe"
    Delete "$INSTDIR\murkvale-cli.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; Made by the first per-user install; left alone while anything else uses it.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; This uninstaller runs from a copy of itself in TEMP, which NSIS would leave
    ; there (removal at reboot needs administrator rights): a hidden command
    ; removes the copy and its folder once this process has ended.
    SetOutPath "$TEMP"
    ExecShell "" "$SYSDIR\cmd.exe" '/c ping -n 3 127.0.0.1 >nul & del /f /q "$EXEPATH" & rd "$EXEDIR"' SW_HIDE
SectionEnd
