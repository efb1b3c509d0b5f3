; The Windows setup of Glyphwright: Quillet.dll, the Word macro modules and the documents.
;   makensis -DVERSION=1.4.0 -DFILES=files.nsh -DOUTFILE=glyphwright-1.4.0-setup.exe glyphwright.nsi
; FILES (written by the build, cmake/GlyphwrightSetup.cmake) defines the macros InstallFiles and
; RemoveFiles, so the uninstaller removes exactly the files the setup wrote.
;
; For the user who runs it by default, without administrator rights: the files go to
; %LOCALAPPDATA%\Programs\Glyphwright and the server's keys under HKEY_CURRENT_USER. With
; /AllUsers (from an administrator's prompt): Program Files and HKEY_LOCAL_MACHINE. /S is silent,
; /D=FOLDER (last on the command line) another folder. The uninstaller, listed in Apps & features,
; unregisters the server and removes every file and key the setup made.
; A 64-bit setup, as the DLL it installs (and Wine without its 32-bit half runs it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "Glyphwright ${VERSION}"
OutFile "${OUTFILE}"
InstallDir ""
ShowInstDetails show
ShowUninstDetails show
BrandingText "Glyphwright ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Glyphwright"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Glyphwright ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "the Glyphwright maintainers"

!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include ${FILES}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glyphwright"
; ERROR_ELEVATION_REQUIRED, as Windows' own programs answer
!define EXIT_NEEDS_ADMINISTRATOR 740
!define EXIT_NOT_64_BIT 2
!define EXIT_REGISTRATION_FAILED 3

Var AllUsers

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Quillet.dll serves 64-bit programs only.
!macro RequireX64
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Glyphwright needs 64-bit Windows: Quillet.dll is a 64-bit DLL." /SD IDOK
    SetErrorLevel ${EXIT_NOT_64_BIT}
    Quit
  ${EndIf}
  SetRegView 64
!macroend

!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_ICONSTOP "Glyphwright for all users needs administrator rights: run this from an administrator's prompt, or without /AllUsers for yourself." /SD IDOK
    SetErrorLevel ${EXIT_NEEDS_ADMINISTRATOR}
    Quit
  ${EndIf}
!macroend

; regsvr32 of the (64-bit) system folder: for all users, or (/n /i:user) for the current one.
!macro Regsvr32 OPTIONS RESULT
  ${If} $AllUsers == 1
    ExecWait '"$SYSDIR\regsvr32.exe" /s ${OPTIONS} "$INSTDIR\Quillet.dll"' ${RESULT}
  ${Else}
    ExecWait '"$SYSDIR\regsvr32.exe" /s ${OPTIONS} /n /i:user "$INSTDIR\Quillet.dll"' ${RESULT}
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RequireX64
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    !insertmacro RequireAdministrator
    StrCpy $AllUsers 1
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\Glyphwright"
    ${EndIf}
  ${Else}
    StrCpy $AllUsers 0
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Glyphwright"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Glyphwright"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  !insertmacro Regsvr32 "" $0
  ${If} $0 != 0
    ; Nothing half-done: the files go again, and the setup fails.
    !insertmacro Regsvr32 "/u" $1
    !insertmacro RemoveFiles
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    MessageBox MB_ICONSTOP "regsvr32 could not register Quillet.dll (exit code $0); nothing was installed." /SD IDOK
    SetErrorLevel ${EXIT_REGISTRATION_FAILED}
    Quit
  ${EndIf}

  ; Apps & features. SHCTX is HKEY_LOCAL_MACHINE for all users, HKEY_CURRENT_USER otherwise.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Glyphwright ${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Glyphwright"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Uninstall.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The uninstaller serves the install it lies in: for all users when the machine's entry names
; its folder, for the current user otherwise.
Function un.onInit
  !insertmacro RequireX64
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    !insertmacro RequireAdministrator
    StrCpy $AllUsers 1
    SetShellVarContext all
  ${Else}
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !insertmacro Regsvr32 "/u" $0
  !insertmacro RemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The per-user programs folder goes too if the setup made it and nothing else is in it.
  ${If} $AllUsers == 0
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
