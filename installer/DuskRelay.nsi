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
; The install folder gets Program Files' protection: owned by Administrators, nothing inherited
; from above, the system and Administrators in full control, Users read and execute; what it
; holds inherits that.
!define FOLDER_SECURITY "O:BAD:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"
!define ADMINISTRATORS_SID "S-1-5-32-544"
!define LOCAL_SYSTEM_SID "S-1-5-18"
!define TRUSTED_INSTALLER_SID "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"

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
; A window of the program's class counts only when its process runs the program of this folder:
; any process can make such a window.
!macro DEFINE_CLOSE_RUNNING_PROGRAM prefix
; $0 := the program's application window, 0 when the program of this folder is not running.
Function ${prefix}FindRunningProgram
    StrCpy $5 0
    ${Do}
        System::Call "user32::FindWindowExW(p 0, p r5, w '${APP_WINDOW_CLASS}', p 0) p .r5"
        ${IfThen} $5 P= 0 ${|} ${Break} ${|}
        System::Call "user32::GetWindowThreadProcessId(p r5, *i .r1) i"
        StrCpy $3 ""
        ; PROCESS_QUERY_LIMITED_INFORMATION, enough for the image path
        System::Call "kernel32::OpenProcess(i 0x1000, i 0, i r1) p .r2"
        ${If} $2 P<> 0
            StrCpy $4 ${NSIS_MAX_STRLEN}
            System::Call "kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i r4) i"
            System::Call "kernel32::CloseHandle(p r2)"
        ${EndIf}
        ${If} $3 == "$INSTDIR\${PROGRAM}"
            StrCpy $0 $5
            Return
        ${EndIf}
    ${Loop}
    StrCpy $0 0
FunctionEnd

Function ${prefix}CloseRunningProgram
    ${Do}
        Call ${prefix}FindRunningProgram
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

; $0 := 1 when $R0 is owned by Administrators, the system or the installer service, else 0.
Function IsOwnedByAdministrators
    StrCpy $0 0
    ; SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION
    System::Call "advapi32::GetNamedSecurityInfoW(w R0, i 1, i 1, *p .r1, p 0, p 0, p 0, *p .r2) i .r3"
    ${IfThen} $3 <> 0 ${|} Return ${|}
    StrCpy $4 ""
    System::Call "advapi32::ConvertSidToStringSidW(p r1, *p .r5) i .r6"
    ${If} $6 <> 0
        System::Call "kernel32::lstrcpynW(w .r4, p r5, i ${NSIS_MAX_STRLEN}) p"
        System::Call "kernel32::LocalFree(p r5) p"
    ${EndIf}
    System::Call "kernel32::LocalFree(p r2) p"
    ${If} $4 == "${ADMINISTRATORS_SID}"
    ${OrIf} $4 == "${LOCAL_SYSTEM_SID}"
    ${OrIf} $4 == "${TRUSTED_INSTALLER_SID}"
        StrCpy $0 1
    ${EndIf}
FunctionEnd

; A folder that exists already is taken only when it holds nothing but the program's files and
; an administrator owns it: anything else there, or an owner who could change its permissions,
; would run with the program's rights.
Function CheckExistingFolder
    ${IfNot} ${FileExists} "$INSTDIR\*.*"
        Return
    ${EndIf}
    FindFirst $0 $1 "$INSTDIR\*.*"
    ${DoWhile} $1 != ""
        ${IfNot} $1 == "."
        ${AndIfNot} $1 == ".."
        ${AndIfNot} $1 == "${PROGRAM}"
        ${AndIfNot} $1 == "${COMPANION}"
        ${AndIfNot} $1 == "${UNINSTALLER}"
            FindClose $0
            MessageBox MB_ICONSTOP "$INSTDIR already holds other files. Choose a new or empty folder." /SD IDOK
            Abort "$INSTDIR already holds other files."
        ${EndIf}
        FindNext $0 $1
    ${Loop}
    FindClose $0
    StrCpy $R0 "$INSTDIR"
    Call IsOwnedByAdministrators
    ${If} $0 <> 1
        MessageBox MB_ICONSTOP "$INSTDIR belongs to a user, who could change it. Choose a new folder." /SD IDOK
        Abort "$INSTDIR is not owned by Administrators."
    ${EndIf}
FunctionEnd

Function ProtectInstallFolder
    StrCpy $R0 "$INSTDIR"
    StrCpy $0 1
    ; SDDL_REVISION_1
    System::Call "advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w '${FOLDER_SECURITY}', i 1, *p .r1, p 0) i .r2"
    ${If} $2 <> 0
        System::Call "advapi32::GetSecurityDescriptorOwner(p r1, *p .r3, *i .r5) i"
        System::Call "advapi32::GetSecurityDescriptorDacl(p r1, *i .r5, *p .r4, *i .r5) i"
        ; SE_FILE_OBJECT; OWNER, DACL and PROTECTED_DACL_SECURITY_INFORMATION
        System::Call "advapi32::SetNamedSecurityInfoW(w R0, i 1, i 0x80000005, p r3, p 0, p r4, p 0) i .r0"
        System::Call "kernel32::LocalFree(p r1) p"
    ${EndIf}
    ${If} $0 <> 0
        MessageBox MB_ICONSTOP "The permissions of $INSTDIR could not be set." /SD IDOK
        Abort "The permissions of $INSTDIR could not be set (error $0)."
    ${EndIf}
FunctionEnd

Section "Install"
    Call CloseRunningProgram
    Call CheckExistingFolder
    CreateDirectory "$INSTDIR"
    Call ProtectInstallFolder
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

; Every job of the program, whichever user's: Task Scheduler 2.0 jobs through schtasks (their
; files in the root task folder name them), 1.0 jobs as files in the Tasks folder. A 2.0 job that
; schtasks could not delete is at least kept from running by removing its file.
Function un.DeleteScheduledJobs
    ${DisableX64FSRedirection}
    FindFirst $0 $1 "$WINDIR\System32\Tasks\${JOB_NAME_PREFIX}*"
    ${DoWhile} $1 != ""
        DetailPrint "Deleting the scheduled task $1"
        ${If} ${FileExists} "$WINDIR\System32\schtasks.exe"
            nsExec::Exec '"$WINDIR\System32\schtasks.exe" /Delete /TN "$1" /F'
            Pop $2
        ${EndIf}
        Delete "$WINDIR\System32\Tasks\$1"
        FindNext $0 $1
    ${Loop}
    FindClose $0
    ${EnableX64FSRedirection}
    FindFirst $0 $1 "$WINDIR\Tasks\${JOB_NAME_PREFIX}*.job"
    ${DoWhile} $1 != ""
        DetailPrint "Deleting the scheduled task $1"
        Delete "$WINDIR\Tasks\$1"
        FindNext $0 $1
    ${Loop}
    FindClose $0
FunctionEnd

Section "Uninstall"
    Call un.CloseRunningProgram
    Call un.DeleteScheduledJobs

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
