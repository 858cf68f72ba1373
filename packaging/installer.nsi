; The per-user installer of Tolvrin Shutdown Manager: no administrator rights,
; into the user's own programs folder, with a Start-menu shortcut, an entry in
; "Apps & features" and an uninstaller that removes exactly what was installed.
; Built by scripts/package, which defines VERSION, VERSION4 (four numbers),
; PAYLOAD_KB, OUTFILE, ICON and GENERATED (the folder of the file lists it
; writes from what ships).
;
; Silent use: setup.exe /S [/LANG=German] [/D=folder]   uninstall.exe /S

; A 64-bit installer: its stub runs where the 64-bit program runs (and under a
; 64-bit-only Wine). 32-bit Windows takes the x86 zip.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Tolvrin Shutdown Manager"
!define PUBLISHER "Tolvrin Shutdown Manager developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TolvrinShutdown"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the earlier version went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALWAYSSHOW

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The shipped languages (English first) and the file each installs.
!include "${GENERATED}/languages.nsh"
; INSTALL_PAYLOAD and UNINSTALL_PAYLOAD: the files of the x64 zip.
!include "${GENERATED}/payload.nsh"
!insertmacro MUI_RESERVEFILE_LANGDLL

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

; The language: /LANG=Name on the command line, else the user's choice on the
; language page, whose default is the earlier install's language, else the
; system's UI language when shipped, else English. An unknown /LANG= name
; installs nothing and ends with 2.
Function .onInit
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "Language"
    ${If} $0 != ""
        StrCpy $LANGUAGE $0
    ${EndIf}
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/LANG=" $0
    ${If} ${Errors}
        !insertmacro MUI_LANGDLL_DISPLAY
    ${Else}
        ClearErrors
        !insertmacro LANGUAGE_FROM_NAME $0
        ${If} ${Errors}
            MessageBox MB_ICONSTOP "Unknown language: $0" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Section
    !insertmacro INSTALL_PAYLOAD
    SetOutPath "$INSTDIR"
    !insertmacro INSTALL_CHOSEN_LANGUAGE
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; No arguments: the shortcut opens the parameters dialog.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\TolvrinShutdown.exe" "" "$INSTDIR\TolvrinShutdown.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TolvrinShutdown.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${PAYLOAD_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Language" $LANGUAGE
SectionEnd

Function un.onInit
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "Language"
    ${If} $0 != ""
        StrCpy $LANGUAGE $0
    ${EndIf}
FunctionEnd

; Every file by name and RMDir without /r: a file the user put into the
; folder stays, and so does the folder then.
Section "Uninstall"
    !insertmacro UNINSTALL_PAYLOAD
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
