; The per-user installer of Tolvrin Shutdown Manager: no administrator rights,
; into the user's own programs folder, with a Start-menu shortcut, an entry in
; "Apps & features" and an uninstaller that removes what it installed and
; nothing of the user's.
; Built by scripts/package, which defines VERSION, VERSION4 (four numbers),
; PAYLOAD_KB_X64 and PAYLOAD_KB_X86 (the installed files' summed sizes),
; INSTANCE_MUTEX (the program's single-instance name, read from its source),
; OUTFILE, ICON and GENERATED (the folder of the file lists it writes from
; what ships).
;
; Silent use: setup.exe /S [/LANG=German] [/D=folder]
;             uninstall.exe /S _?=folder (the entry's QuietUninstallString)
; Exit codes: 0 done, 1 cancelled by the user, 2 unknown /LANG= name,
; 3 the folder holds other files, 4 a countdown is running, 5 a newer version
; is installed, 6 a file could not be written or removed.

; A 32-bit stub runs on every Windows: it installs the x64 program where
; Windows is 64-bit and the x86 program elsewhere. (STUB=amd64-unicode builds
; the same installer for a test machine that runs no 32-bit programs.)
!ifndef STUB
    !define STUB x86-unicode
!endif
Target ${STUB}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Tolvrin Shutdown Manager"
!define PUBLISHER "Tolvrin Shutdown Manager developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TolvrinShutdown"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

!define EXIT_UNKNOWN_LANGUAGE 2
!define EXIT_FOLDER_NOT_OURS 3
!define EXIT_COUNTDOWN_RUNNING 4
!define EXIT_NEWER_INSTALLED 5
!define EXIT_FILE_NOT_WRITTEN 6

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; With a certificate (scripts/package defines SIGN_COMMAND), the uninstaller
; is signed before it goes into the installer.
!ifdef SIGN_COMMAND
    !uninstfinalize '"${SIGN_COMMAND}" sign "%1"' = 0
!endif
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the earlier version went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALWAYSSHOW

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Puts one file in place; one that cannot be written ends the install (also
; under /S, where NSIS would otherwise skip it), with the exit code that the
; section set before its first file.
!macro PUT_FILE NAME SOURCE
    ClearErrors
    File "/oname=${NAME}" "${SOURCE}"
    ${If} ${Errors}
        Abort "Could not write $OUTDIR\${NAME}"
    ${EndIf}
!macroend

; Removes one installed file; one that stays is listed in $NotRemoved.
!macro REMOVE_FILE PATH
    Delete "${PATH}"
    ${If} ${FileExists} "${PATH}"
        StrCpy $NotRemoved "$NotRemoved$\r$\n${PATH}"
    ${EndIf}
!macroend

; The shipped languages (English first) and the file each installs.
!include "${GENERATED}/languages.nsh"
; INSTALL_SHARED, INSTALL_X64, INSTALL_X86, COMMON_XML and UNINSTALL_PAYLOAD:
; the files of the zips.
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

Var Running         ; 1: a copy of the program runs in this session
Var Same            ; 1: $CompareA and $CompareB hold the same bytes
Var CompareA
Var CompareB
Var ChosenLanguage  ; the shipped language the folder's TolvrinShutdown.lng is, or ""
Var LanguageEdited  ; 1: the folder's TolvrinShutdown.lng is no shipped language
Var FolderOk        ; 1: the folder is new, empty, or an earlier install of ours
Var NotRemoved      ; the files the uninstall could not remove, one a line
Var UninstallDone   ; 1: every file of ours is gone, uninstall.exe is next

!macro SHARED_FUNCTIONS UN
; A copy of the program runs in this session when its single-instance mutex
; exists; one that exists but may not be opened (a copy with higher rights,
; error 5) runs too, and so does one whose name another process took for an
; object of another kind (error 6), as the program itself counts it.
Function ${UN}FindRunningCountdown
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p.R8 ?e'
    Pop $R9
    StrCpy $Running 0
    ${If} $R8 <> 0
        System::Call 'kernel32::CloseHandle(p R8)'
        StrCpy $Running 1
    ${ElseIf} $R9 = 5
    ${OrIf} $R9 = 6
        StrCpy $Running 1
    ${EndIf}
FunctionEnd

; Nothing changes while a countdown runs: the user cancels it and retries, or
; the run ends with its code.
Function ${UN}WaitForNoCountdown
    ${Do}
        Call ${UN}FindRunningCountdown
        ${If} $Running = 0
            ${Break}
        ${EndIf}
        ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "A countdown is running. Cancel it first." /SD IDCANCEL IDCANCEL`
            SetErrorLevel ${EXIT_COUNTDOWN_RUNNING}
            Quit
        ${EndIf}
    ${Loop}
FunctionEnd

; Byte for byte; a file that cannot be read is not the same.
Function ${UN}CompareFiles
    StrCpy $Same 0
    ClearErrors
    FileOpen $R0 $CompareA r
    ${If} ${Errors}
        Return
    ${EndIf}
    FileOpen $R1 $CompareB r
    ${If} ${Errors}
        FileClose $R0
        Return
    ${EndIf}
    FileSeek $R0 0 END $R2
    FileSeek $R1 0 END $R3
    ${If} $R2 = $R3
        FileSeek $R0 0 SET
        FileSeek $R1 0 SET
        StrCpy $Same 1
        ${Do}
            ClearErrors
            FileReadByte $R0 $R2
            ${If} ${Errors}
                ${Break}
            ${EndIf}
            FileReadByte $R1 $R3
            ${If} $R2 <> $R3
                StrCpy $Same 0
                ${Break}
            ${EndIf}
        ${Loop}
    ${EndIf}
    FileClose $R1
    FileClose $R0
FunctionEnd

; The language the user chose in $INSTDIR: TolvrinShutdown.lng compared with
; the install's languages\*.lng. Equal to one of them: that language is the
; choice; equal to none: the user edited it, and it is the user's file.
Function ${UN}ReadLanguageChoice
    StrCpy $ChosenLanguage ""
    StrCpy $LanguageEdited 0
    ${IfNot} ${FileExists} "$INSTDIR\TolvrinShutdown.lng"
        Return
    ${EndIf}
    StrCpy $LanguageEdited 1
    StrCpy $CompareA "$INSTDIR\TolvrinShutdown.lng"
    FindFirst $R5 $R6 "$INSTDIR\languages\*.lng"
    ${DoWhile} $R6 != ""
        StrCpy $CompareB "$INSTDIR\languages\$R6"
        Call ${UN}CompareFiles
        ${If} $Same = 1
            StrCpy $LanguageEdited 0
            StrCpy $ChosenLanguage $R6 -4
            ${Break}
        ${EndIf}
        FindNext $R5 $R6
    ${Loop}
    FindClose $R5
FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

; The folder takes the install when it is new, empty, or holds an earlier
; install of ours: our uninstall.exe is there and our entry points at it.
Function CheckFolder
    StrCpy $FolderOk 1
    ${IfNot} ${FileExists} "$INSTDIR\*.*"
        Return
    ${EndIf}
    FindFirst $R5 $R6 "$INSTDIR\*.*"
    ${DoWhile} $R6 != ""
        ${If} $R6 != "."
        ${AndIf} $R6 != ".."
            StrCpy $FolderOk 0
            ${Break}
        ${EndIf}
        FindNext $R5 $R6
    ${Loop}
    FindClose $R5
    ${If} $FolderOk = 1
        Return
    ${EndIf}
    ReadRegStr $R5 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ${AndIf} $R5 == $INSTDIR
        StrCpy $FolderOk 1
    ${EndIf}
FunctionEnd

Function DirectoryLeave
    Call CheckFolder
    ${If} $FolderOk = 0
        MessageBox MB_ICONEXCLAMATION "$INSTDIR holds other files. Choose a new or empty folder, or the folder of an earlier install." /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

; An older installer over a newer install asks first.
Function CheckNotNewer
    ReadRegStr $R5 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $R5 == ""
        Return
    ${EndIf}
    ${VersionCompare} $R5 "${VERSION}" $R6
    ${If} $R6 = 1
        ${IfNot} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "The newer version $R5 is installed. Replace it with the older version ${VERSION}?" /SD IDNO IDYES`
            SetErrorLevel ${EXIT_NEWER_INSTALLED}
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

; The shipped language of Windows' display language, else English. The
; primary language decides; Chinese also by its script (Traditional for
; Taiwan, Hong Kong and Macao, Simplified elsewhere) and Portuguese by its
; country (only Brazil's own has a file). NSIS's own choice would give a
; Hong Kong user Simplified Chinese and a Portuguese one Brazil's words.
Function ProposeSystemLanguage
    Push $R0
    Push $R1
    Push $R2
    System::Call 'kernel32::GetUserDefaultUILanguage() i.R0'
    IntOp $R1 $R0 & 0x3FF
    IntOp $R2 $R0 >> 10
    ${If} $R1 = 0x04
        ${If} $R2 = 0x01      ; Taiwan
        ${OrIf} $R2 = 0x03    ; Hong Kong
        ${OrIf} $R2 = 0x05    ; Macao
        ${OrIf} $R2 = 0x1F    ; Traditional script, no country
            StrCpy $R0 0x0404
        ${Else}
            StrCpy $R0 0x0804
        ${EndIf}
    ${ElseIf} $R1 = 0x16
    ${AndIf} $R0 <> 0x0416
        StrCpy $R0 0
    ${EndIf}
    !insertmacro LANGUAGE_FROM_LANGID $R0
    Pop $R2
    Pop $R1
    Pop $R0
FunctionEnd

; The language: /LANG=Name on the command line, else the user's choice on the
; language page, whose default is the earlier install's language (the one its
; TolvrinShutdown.lng is, else the one remembered), else the system's display
; language when shipped (ProposeSystemLanguage), else English. An unknown
; /LANG= name installs nothing and ends with 2.
Function .onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/LANG=" $2
    ${IfNot} ${Errors}
        ClearErrors
        !insertmacro LANGUAGE_FROM_NAME $2
        ${If} ${Errors}
            MessageBox MB_ICONSTOP "Unknown language: $2" /SD IDOK
            SetErrorLevel ${EXIT_UNKNOWN_LANGUAGE}
            Quit
        ${EndIf}
        StrCpy $3 $LANGUAGE
    ${EndIf}

    Call WaitForNoCountdown
    Call CheckNotNewer
    ${If} ${Silent}
        Call CheckFolder
        ${If} $FolderOk = 0
            SetErrorLevel ${EXIT_FOLDER_NOT_OURS}
            Quit
        ${EndIf}
    ${EndIf}

    Call ProposeSystemLanguage
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "Language"
    ${If} $0 != ""
        StrCpy $LANGUAGE $0
    ${EndIf}
    Call ReadLanguageChoice
    ${If} $ChosenLanguage != ""
        Push $LANGUAGE
        ClearErrors
        !insertmacro LANGUAGE_FROM_NAME $ChosenLanguage
        ${If} ${Errors}
            Pop $LANGUAGE
        ${Else}
            Pop $0
        ${EndIf}
    ${EndIf}

    ClearErrors
    ${GetOptions} $1 "/LANG=" $2
    ${If} ${Errors}
        !insertmacro MUI_LANGDLL_DISPLAY
    ${Else}
        StrCpy $LANGUAGE $3
    ${EndIf}
FunctionEnd

; The program's sound event for the current user, kept the way Windows keeps a
; program's sounds: Control Panel > Sound lists "Countdown ending" under the
; program's name, and the user picks its sound there, or (None). The program
; plays it with PlaySound(SND_APPLICATION), which looks under the key named
; after TolvrinShutdown.exe, and writes nothing itself.
!define SOUND_APP_KEY "AppEvents\Schemes\Apps\TolvrinShutdown"
!define SOUND_EVENT "TolvrinCountdownEnding"
!define SOUND_LABEL_KEY "AppEvents\EventLabels\${SOUND_EVENT}"

Function RegisterSoundEvent
    ; Windows' notification sound: its file since Windows 8, else Windows 7's.
    StrCpy $0 "Windows Notify System Generic.wav"
    ${IfNot} ${FileExists} "$WINDIR\media\$0"
        StrCpy $0 "Windows Notify.wav"
    ${EndIf}
    WriteRegStr HKCU "${SOUND_LABEL_KEY}" "" "Countdown ending"
    WriteRegStr HKCU "${SOUND_APP_KEY}" "" "${PRODUCT}"
    WriteRegExpandStr HKCU "${SOUND_APP_KEY}\${SOUND_EVENT}\.Default" "" "%SystemRoot%\media\$0"
    ; An upgrade keeps the sound the user chose, (None) (an empty text)
    ; included.
    ClearErrors
    ReadRegStr $1 HKCU "${SOUND_APP_KEY}\${SOUND_EVENT}\.Current" ""
    ${If} ${Errors}
        WriteRegExpandStr HKCU "${SOUND_APP_KEY}\${SOUND_EVENT}\.Current" "" "%SystemRoot%\media\$0"
    ${EndIf}
FunctionEnd

Function un.RemoveSoundEvent
    DeleteRegKey HKCU "${SOUND_APP_KEY}"
    DeleteRegKey HKCU "${SOUND_LABEL_KEY}"
FunctionEnd

Section
    ; A countdown may have started while the pages were open.
    Call WaitForNoCountdown
    ; Before the new files go in: which language the user has, or whether the
    ; user edited the language file.
    Call ReadLanguageChoice
    SetErrorLevel ${EXIT_FILE_NOT_WRITTEN}
    !insertmacro INSTALL_SHARED
    ${If} ${RunningX64}
        !insertmacro INSTALL_X64
    ${Else}
        !insertmacro INSTALL_X86
    ${EndIf}
    SetOutPath "$INSTDIR"
!ifdef COMMON_XML
    ; The user's skin choice stays.
    ${IfNot} ${FileExists} "$INSTDIR\common.xml"
        !insertmacro PUT_FILE "common.xml" "${COMMON_XML}"
    ${EndIf}
!endif
    ; An edited language file stays, whatever is chosen.
    ${If} $LanguageEdited = 0
        !insertmacro INSTALL_CHOSEN_LANGUAGE
    ${EndIf}
    ClearErrors
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ${If} ${Errors}
        Abort "Could not write $INSTDIR\uninstall.exe"
    ${EndIf}

    ; No arguments: the shortcut opens the parameters dialog.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\TolvrinShutdown.exe" "" "$INSTDIR\TolvrinShutdown.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TolvrinShutdown.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; _?= runs the uninstaller in place, so that it looks for a running
    ; countdown and its caller gets its exit code (un.onInit).
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    ${If} ${RunningX64}
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${PAYLOAD_KB_X64}
    ${Else}
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${PAYLOAD_KB_X86}
    ${EndIf}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Language" $LANGUAGE
    Call RegisterSoundEvent
    SetErrorLevel 0
SectionEnd

; Started in its folder (the entry's commands pass _?=), the uninstaller runs
; there itself, so that it looks for a running countdown first and its caller
; gets its exit code. It cannot remove its own file while it runs (nor move
; it: NSIS holds it open): un.onUninstSuccess has that done once it has
; ended. Started without _?=, NSIS hands over to a copy in the temporary
; folder before any of this, and the copy makes the same checks.
Function un.onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "Language"
    ${If} $0 != ""
        StrCpy $LANGUAGE $0
    ${EndIf}
    Call un.WaitForNoCountdown
FunctionEnd

; Every file by name and RMDir without /r: a file the user put into the
; folder stays, and so does the folder then. common.xml and
; TolvrinShutdown.lng go only when they are as shipped. A file of ours that
; cannot be removed keeps the entry, the shortcut and the uninstaller.
Section "Uninstall"
    ; A countdown may have started while the confirm page was open.
    Call un.WaitForNoCountdown
    StrCpy $NotRemoved ""
    Call un.ReadLanguageChoice
    ${If} $LanguageEdited = 0
        !insertmacro REMOVE_FILE "$INSTDIR\TolvrinShutdown.lng"
    ${EndIf}
!ifdef COMMON_XML
    ${If} ${FileExists} "$INSTDIR\common.xml"
        InitPluginsDir
        File "/oname=$PLUGINSDIR\shipped-common.xml" "${COMMON_XML}"
        StrCpy $CompareA "$INSTDIR\common.xml"
        StrCpy $CompareB "$PLUGINSDIR\shipped-common.xml"
        Call un.CompareFiles
        ${If} $Same = 1
            !insertmacro REMOVE_FILE "$INSTDIR\common.xml"
        ${EndIf}
    ${EndIf}
!endif
    !insertmacro UNINSTALL_PAYLOAD
    ${If} $NotRemoved != ""
        MessageBox MB_ICONEXCLAMATION "These files could not be removed:$NotRemoved$\r$\n$\r$\nEnd the program that uses them and uninstall again; ${PRODUCT} stays in the list of apps until then." /SD IDOK
        SetErrorLevel ${EXIT_FILE_NOT_WRITTEN}
        Return
    ${EndIf}
    Call un.RemoveEntryOfThisFolder
    StrCpy $UninstallDone 1
SectionEnd

; The entry, the shortcut and the sound event belong to the install that the
; entry names: an older copy uninstalled from another folder leaves those of a
; newer install alone.
Function un.RemoveEntryOfThisFolder
    ReadRegStr $R5 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R5 == $INSTDIR
        Delete "${SHORTCUT}"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
        Call un.RemoveSoundEvent
    ${EndIf}
FunctionEnd

; Called once the uninstaller's window has closed. Run in place (_?=), the
; uninstaller cannot remove its own file: a batch file in the temporary
; folder, run hidden by the system's command processor, removes uninstall.exe
; as soon as this process has let go of it (trying for about 30 seconds), then
; the folder when empty, then itself. It waits on the file, not on a process
; id that Windows may give to another process once this one has ended; and
; the command processor, a part of Windows, is the last to run, so that
; nothing of ours stays in the temporary folder. The paths reach it through
; the environment, which keeps every letter and any % in them as they are.
Function un.onUninstSuccess
    ${If} $UninstallDone <> 1
        Return
    ${EndIf}
    ${If} $EXEDIR != $INSTDIR
        Delete "$INSTDIR\uninstall.exe"
        RMDir "$INSTDIR"
        Return
    ${EndIf}
    GetTempFileName $R0
    Delete $R0
    StrCpy $R0 "$R0.cmd"
    ClearErrors
    FileOpen $R1 $R0 w
    ${If} ${Errors}
        Return
    ${EndIf}
    FileWrite $R1 "@echo off$\r$\nset tries=0$\r$\n:again$\r$\n"
    FileWrite $R1 'del /f /q "%TOLVRIN_UNINSTALLER%" >nul 2>&1$\r$\n'
    FileWrite $R1 'if not exist "%TOLVRIN_UNINSTALLER%" goto removed$\r$\n'
    FileWrite $R1 "set /a tries+=1$\r$\nif %tries% geq 30 goto end$\r$\n"
    FileWrite $R1 '"%SystemRoot%\System32\ping.exe" -n 2 127.0.0.1 >nul$\r$\ngoto again$\r$\n'
    FileWrite $R1 ':removed$\r$\nrmdir "%TOLVRIN_FOLDER%" >nul 2>&1$\r$\n:end$\r$\ndel /f /q "%~f0"$\r$\n'
    FileClose $R1
    System::Call 'kernel32::SetEnvironmentVariableW(w "TOLVRIN_UNINSTALLER", w "$INSTDIR\uninstall.exe")'
    System::Call 'kernel32::SetEnvironmentVariableW(w "TOLVRIN_FOLDER", w "$INSTDIR")'
    ; Not in the folder it is to remove. cmd /c takes away the first and the
    ; last quote, and keeps the inner pair whatever the path holds.
    SetOutPath "$TEMP"
    ExecShell "" "$SYSDIR\cmd.exe" '/d /c ""$R0""' SW_HIDE
FunctionEnd
