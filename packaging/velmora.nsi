; Per-user installer for Velmora: no administrator rights, installed where
; the settings file beside the executable stays writable.
; makensis -DVERSION=1.7 -DVERSION_QUAD=1.7.0.0 -DVELMORA_EXE=... -DVELMORA_CHM=...
;          -DICON=... -DOUTPUT=... velmora.nsi   (CMake passes the project's version)

; The program is 64-bit only, and so is the installer.
Target amd64-unicode
!include "MUI2.nsh"

!define PRODUCT "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTPUT}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ManifestDPIAware true

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (C) 2024-2026 Velmora developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PRODUCT}.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

Section "${PRODUCT}" Main
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "/oname=${PRODUCT}.exe" "${VELMORA_EXE}"
    File "/oname=${PRODUCT}.chm" "${VELMORA_CHM}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmora developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://velmora.example.org/"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PRODUCT}.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "un.${PRODUCT}" UnMain
    SectionIn RO
    Delete "$INSTDIR\${PRODUCT}.exe"
    Delete "$INSTDIR\${PRODUCT}.chm"
    Delete "$INSTDIR\uninstall.exe"
    ; The start-menu entry, and the shortcuts the clock's own menu may have made.
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    Delete "$SMSTARTUP\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Unticked by default, and so never chosen by a silent uninstall: the
; user's settings survive a reinstall.
Section /o "un.設定ファイル (${PRODUCT}.ini) も削除する" UnSettings
    Delete "$INSTDIR\${PRODUCT}.ini"
SectionEnd

Section "-un.Folder"
    ; Only when empty: the kept settings file keeps the folder.
    RMDir "$INSTDIR"
SectionEnd
