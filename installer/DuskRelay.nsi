; Setup and uninstaller of Tolvane Dusk Relay.
;   makensis -WX -DVERSION=2.1.0.0 -DTARGET=x86-unicode -DBIN_DIR=<folder of DuskRelay.exe and
;            Vimbly.dll> -DICON=<DuskRelay.ico> -DOUT_FILE=<setup.exe> DuskRelay.nsi
; The shipped setup is x86-unicode over the 32-bit build; amd64-unicode packs the x86-64 build,
; which the tests install where 32-bit code cannot run.
; Silent use: Setup.exe /S [/D=folder]   Uninstall.exe /S

!macro REQUIRE_DEFINE name
!ifndef ${name}
!error "define ${name} with -D${name}=..."
!endif
!macroend
!insertmacro REQUIRE_DEFINE VERSION
!insertmacro REQUIRE_DEFINE TARGET
!insertmacro REQUIRE_DEFINE BIN_DIR
!insertmacro REQUIRE_DEFINE ICON
!insertmacro REQUIRE_DEFINE OUT_FILE

Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Tolvane Dusk Relay"
!define PUBLISHER "Tolvane"
!define PROGRAM "DuskRelay.exe"
!define COMPANION "Vimbly.dll"
!define UNINSTALLER "Uninstall.exe"
!define MAKER_FOLDER "$PROGRAMFILES\Tolvane"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; What the program and its companion library keep.
!define APP_WINDOW_CLASS "TolvaneDuskRelayApp"
!define MAKER_KEY "Software\Tolvane"
!define SETTINGS_KEY "Software\Tolvane\Dusk Relay"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Tolvane Dusk Relay"
!define SKIN_KEY "Software\Tolvane\Vimbly"
!define SKIN_VALUE "Skin"
!define JOB_NAME_PREFIX "TolvaneDuskRelay"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include x64.nsh

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "${MAKER_FOLDER}\Dusk Relay"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; Files are replaced or deleted only while the program is not running. Its hidden application
; window ends the program on WM_CLOSE; a program that does not end in time is left alone and the
; setup or uninstall stops before it has changed anything (a silent run ends with exit code 2).
!macro DEFINE_CLOSE_RUNNING_PROGRAM prefix
Function ${prefix}CloseRunningProgram
    ${Do}
        FindWindow $0 "${APP_WINDOW_CLASS}"
        ${IfThen} $0 = 0 ${|} Return ${|}
        DetailPrint "Closing the running ${PRODUCT}"
        System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1) i"
        ; SYNCHRONIZE: enough to wait for the process.
        System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
        ; $3 := 0 once the program has ended, within 10 seconds.
        ${If} $2 P<> 0
            System::Call "kernel32::WaitForSingleObject(p r2, i 10000) i .r3"
            System::Call "kernel32::CloseHandle(p r2)"
        ${Else}  ; a process that cannot be watched: wait for its window to go
            StrCpy $3 1
            ${For} $4 1 100
                ${IfNot} ${Cmd} `IsWindow $0`
                    StrCpy $3 0
                    ${Break}
                ${EndIf}
                Sleep 100
            ${Next}
        ${EndIf}
        ${If} $3 <> 0
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${PRODUCT} is still running. Close it, then choose Retry." /SD IDCANCEL IDRETRY +2
            Abort "${PRODUCT} is still running."
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING_PROGRAM ""
!insertmacro DEFINE_CLOSE_RUNNING_PROGRAM "un."

Function .onInit
    SetShellVarContext all
FunctionEnd

Section "Install"
    Call CloseRunningProgram
    SetOutPath "$INSTDIR"
    File "${BIN_DIR}\${PROGRAM}"
    File "${BIN_DIR}\${COMPANION}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

; $0 := the scheduler job's name: the prefix and the user name, each character below U+0020 or
; one of <>:"/\|?* replaced by "_" (the companion library's task name suffix).
Function un.ScheduledJobName
    StrCpy $0 ""
    System::Call "advapi32::GetUserNameW(w .r1, *i ${NSIS_MAX_STRLEN} r2) i .r3"
    ${If} $3 = 0
        StrCpy $1 ""
    ${EndIf}
    StrCpy $4 '<>:"/\|?*'
    ${For} $5 1 31
        IntFmt $6 "%c" $5
        StrCpy $4 "$4$6"
    ${Next}
    StrLen $2 $1
    IntOp $2 $2 - 1
    ${For} $5 0 $2
        StrCpy $6 $1 1 $5
        StrCpy $7 0
        ${Do}
            StrCpy $8 $4 1 $7
            ${IfThen} $8 == "" ${|} ${Break} ${|}
            ${If} $8 S== $6
                StrCpy $6 "_"
                ${Break}
            ${EndIf}
            IntOp $7 $7 + 1
        ${Loop}
        StrCpy $0 "$0$6"
    ${Next}
    StrCpy $0 "${JOB_NAME_PREFIX}$0"
FunctionEnd

; Task Scheduler 2.0 through schtasks; a 1.0 job is a file in the Tasks folder, and a 2.0 job
; that schtasks could not delete is at least kept from running by removing its file.
Function un.DeleteScheduledJob
    Call un.ScheduledJobName
    DetailPrint "Deleting the scheduled task $0"
    ${If} ${FileExists} "$SYSDIR\schtasks.exe"
        nsExec::Exec '"$SYSDIR\schtasks.exe" /Delete /TN "$0" /F'
        Pop $1
    ${EndIf}
    Delete "$WINDIR\Tasks\$0.job"
    ${DisableX64FSRedirection}
    Delete "$WINDIR\System32\Tasks\$0"
    ${EnableX64FSRedirection}
FunctionEnd

Section "Uninstall"
    Call un.CloseRunningProgram
    Call un.DeleteScheduledJob

    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegValue HKCU "${SKIN_KEY}" "${SKIN_VALUE}"
    DeleteRegKey /ifempty HKCU "${SKIN_KEY}"
    DeleteRegKey /ifempty HKCU "${MAKER_KEY}"

    Delete "${SHORTCUT}"
    ; A file still in use (the program running in another user's session) goes at the next
    ; start of Windows.
    Delete /REBOOTOK "$INSTDIR\${PROGRAM}"
    Delete /REBOOTOK "$INSTDIR\${COMPANION}"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only empty folders go: whatever the user put there stays.
    RMDir /REBOOTOK "$INSTDIR"
    RMDir "${MAKER_FOLDER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
