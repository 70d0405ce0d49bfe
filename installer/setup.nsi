; The setup program: installs the program, its translations and its help
; for all users of the machine, and an uninstaller that takes exactly those
; away again. The user's data folder, quarantine and settings belong to the
; user and are never touched.
;
; The build passes the brand and the files on the command line:
;   PRODUCT_NAME COMPANY_NAME WEBSITE EXE_NAME   the brand (cmake/options.cmake)
;   VERSION (1.0) VERSION_QUAD (1.0.0.0)         the project's version
;   BIN_DIR                                      the folder of the built files
;   ICON                                         the program's icon
;   INSTANCE_MUTEX                               the name of the mutex a running
;                                                program holds
;   OUT_FILE                                     the setup program to write

!ifndef PRODUCT_NAME | COMPANY_NAME | WEBSITE | EXE_NAME | VERSION | VERSION_QUAD | BIN_DIR | ICON | INSTANCE_MUTEX | OUT_FILE
    !error "Build the setup program through CMake (target installer)."
!endif

; The program is 64-bit, so the setup program is too: it sees the real
; Program Files folder and registry without redirection.
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_NAME}"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT_NAME}.lnk"

Name "${PRODUCT_NAME}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT_NAME}"
; A new version goes where the last one was put.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_NAME} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT_NAME} ${VERSION} for all users.$\r$\n$\r$\nIf ${PRODUCT_NAME} is running, end it before you continue.$\r$\n$\r$\nClick Next to continue."
!define MUI_UNCONFIRMPAGE_TEXT_TOP "${PRODUCT_NAME} will be removed from the folder below.$\r$\nYour data, the quarantine and your settings are kept."
!define MUI_FINISHPAGE_TEXT "${PRODUCT_NAME} has been installed on your computer.$\r$\n$\r$\nStart it from the Start menu. Click Finish to close Setup."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${COMPANY_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright ${COMPANY_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "Comments" "${WEBSITE}"

; A running program holds its files open and would keep running the old
; version: ask the user to end it, or give up. The program holds a mutex
; while it runs, which tells without looking for its windows. A silent run
; gives up at once, with exit code 2.
!macro RefuseWhileRunning UN
    ${Do}
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
        ${If} $0 P= 0
            ${Break}
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        DetailPrint "${PRODUCT_NAME} is running."
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT_NAME} is running. Please end it first: choose File > Exit in its window, or click its icon in the notification area and then Exit Program.$\r$\n$\r$\nThen click Retry, or Cancel to ${UN}install nothing." \
            /SD IDCANCEL IDRETRY retry_${UN}
        SetErrorLevel 2
        Abort "${PRODUCT_NAME} is running: nothing was changed."
        retry_${UN}:
    ${Loop}
!macroend

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "${PRODUCT_NAME}" SecProgram
    SectionIn RO
    !insertmacro RefuseWhileRunning ""

    SetOutPath "$INSTDIR"
    SetOverwrite on
    ClearErrors
    File "${BIN_DIR}/${EXE_NAME}.exe"
    File "${BIN_DIR}/RunAtStartupTool.exe"
    File "${BIN_DIR}/Localization.txt"
    File "${BIN_DIR}/Help.chm"
    ${If} ${Errors}
        ; A silent run skips a file it cannot replace: it must not report
        ; success with an old or missing program.
        SetErrorLevel 2
        Abort "The files of ${PRODUCT_NAME} could not all be written to $INSTDIR."
    ${EndIf}

    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE_NAME}.exe" "" "$INSTDIR\${EXE_NAME}.exe" 0 \
        SW_SHOWNORMAL "" "${PRODUCT_NAME}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "http://${WEBSITE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME}.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

;; Machine settings ------------------------------------------------------
; The program writes its machine-wide settings (the first-run mark, the help
; mark) under the account of whoever runs it, and a standard user may not
; write below HKEY_LOCAL_MACHINE. Setup makes the program's key and lets the
; Users group read it and set values in it, nothing more: no subkeys, no
; links, no change of the key's own security. SYSTEM and the administrators
; keep full control; the key's parents add what they pass on. The key and
; its grant stay at uninstall, as the settings in it do.
!define MACHINE_SETTINGS_KEY "SOFTWARE\${COMPANY_NAME}\${PRODUCT_NAME}\Settings"
; KEY_READ | KEY_SET_VALUE for Users.
!define MACHINE_SETTINGS_ACCESS "D:(A;;KA;;;SY)(A;;KA;;;BA)(A;;0x2001b;;;BU)"

Section "-Machine settings" SecMachineSettings
    ; An empty key: its default value only brings it into being.
    WriteRegStr HKLM "${MACHINE_SETTINGS_KEY}" "" ""
    DeleteRegValue HKLM "${MACHINE_SETTINGS_KEY}" ""
    StrCpy $0 1
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${MACHINE_SETTINGS_ACCESS}", i 1, *p .r1, p 0) i .r2'
    ${If} $2 != 0
        System::Call 'advapi32::GetSecurityDescriptorDacl(p r1, *i .r3, *p .r4, *i .r5) i .r2'
        ${If} $2 != 0
            ; SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION and
            ; UNPROTECTED_DACL_SECURITY_INFORMATION: the parents' inherited
            ; entries are kept.
            System::Call 'advapi32::SetNamedSecurityInfoW(w "MACHINE\${MACHINE_SETTINGS_KEY}", i 4, i 0x20000004, p 0, p 0, p r4, p 0) i .r0'
        ${EndIf}
        System::Call 'kernel32::LocalFree(p r1)'
    ${EndIf}
    ${If} $0 != 0
        ; The program still runs; a standard user is asked once about the
        ; settings it cannot keep.
        DetailPrint "Standard users cannot keep the machine-wide settings of ${PRODUCT_NAME} (error $0)."
    ${EndIf}
SectionEnd
;; End of machine settings -----------------------------------------------

; Only what the setup program put in place goes. The folder goes when
; nothing else is left in it; the data folder below the user's application
; data, the quarantine in it and the settings in the registry stay.
Section "Uninstall"
    !insertmacro RefuseWhileRunning "un"

    Delete "$INSTDIR\${EXE_NAME}.exe"
    Delete "$INSTDIR\RunAtStartupTool.exe"
    Delete "$INSTDIR\Localization.txt"
    Delete "$INSTDIR\Help.chm"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; "Run at Startup" would otherwise start a program that is gone. Only
    ; the entry that names this installation goes.
    ReadRegStr $0 HKLM "${RUN_KEY}" "${EXE_NAME}"
    ${If} $0 == '"$INSTDIR\${EXE_NAME}.exe"'
        DeleteRegValue HKLM "${RUN_KEY}" "${EXE_NAME}"
    ${EndIf}
SectionEnd
