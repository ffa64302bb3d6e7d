; The setup program of Orvane, built by scripts/package.sh with makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=3.2.0 -DARCH=x86_64|i686
;            -DBUILD=<build tree> -DSOURCE=<repository> -DOUTFILE=<setup.exe> orvane.nsi
; It installs the program into a folder under Program Files that the users of
; the computer may modify (the program writes task.dat, time.dat and wake.ini
; beside itself), with Start-menu shortcuts, an entry of "Add or remove
; programs" and the uninstaller "unins000.exe", the name the program starts
; from its menu "卸载本软件". PortTalk.sys is not ours: it is installed only
; when a file of that name lies beside the setup program.

Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include x64.nsh

!define PRODUCT "Orvane"
!define PUBLISHER "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The Run value that the program itself keeps for "随系统启动" on the NT
; family (current user), and the one it used on Windows 9x/ME.
!define USER_RUN_VALUE "Orvane"
!define MACHINE_RUN_VALUE "Tressil"
!define MAIN_WINDOW_CLASS "TForm3"
!define UNINSTALLER "unins000.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"
!if ${ARCH} == "x86_64"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${SOURCE}/resources/orvane.ico"
!define MUI_UNICON "${SOURCE}/resources/orvane.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "现在运行 ${PRODUCT}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "SimpChinese"

; Both the setup and the uninstaller see the registry and the system folder
; of the program's own kind: the 64-bit ones for the 64-bit program.
!macro USE_PROGRAM_VIEW
  !if ${ARCH} == "x86_64"
    SetRegView 64
  !endif
!macroend

; The system folder that the program's GetSystemDirectory names, where
; "deskward.ini" lies: a 32-bit program on 64-bit Windows is redirected to
; SysWOW64 as this 32-bit setup is, a 64-bit program is not.
!macro SYSTEM_FOLDER_BEGIN
  !if ${ARCH} == "x86_64"
    ${DisableX64FSRedirection}
  !endif
!macroend
!macro SYSTEM_FOLDER_END
  !if ${ARCH} == "x86_64"
    ${EnableX64FSRedirection}
  !endif
!macroend

; Ends a running copy of the program, as Windows does at the end of a
; session: asked whether the session may end, the program stops asking its
; close question, and the close request then ends it. A copy that has not
; ended after ten seconds is terminated.
!macro END_RUNNING_COPY un
Function ${un}EndRunningCopy
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "正在关闭 ${PRODUCT}..."
  SendMessage $0 ${WM_QUERYENDSESSION} 0 0 $1 /TIMEOUT=3000
  SendMessage $0 ${WM_CLOSE} 0 0 $1 /TIMEOUT=3000
  StrCpy $2 0
  ${Do}
    Sleep 500
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 = 0
      Sleep 500 ; the process ends a moment after its window
      Return
    ${EndIf}
    IntOp $2 $2 + 1
  ${LoopUntil} $2 >= 20
  nsExec::Exec 'taskkill /F /IM orvane.exe'
  Pop $1
  Sleep 1000
FunctionEnd
!macroend
!insertmacro END_RUNNING_COPY ""
!insertmacro END_RUNNING_COPY "un."

Function .onInit
  !if ${ARCH} == "x86_64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "这是 64 位 Windows 的安装程序。请在 32 位 Windows 上使用 32 位 (i686) 的安装程序。" /SD IDOK
      Abort
    ${EndIf}
  !endif
  !insertmacro USE_PROGRAM_VIEW
  ; An earlier installation is updated where it is.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Section "${PRODUCT} 程序文件" SecProgram
  SectionIn RO
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  File "${BUILD}/src/orvane.exe"
  File "${BUILD}/src/lock/deskward.exe"
  File "${BUILD}/src/help.chm"
  File /x .* "${SOURCE}/resources/ship/*"
  Call AllowUsersToModify
  Call InstallPortDriver
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  Call RegisterUninstaller
SectionEnd

Section "开始菜单快捷方式" SecShortcuts
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\orvane.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} 帮助.lnk" "$INSTDIR\help.chm"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\卸载 ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"
SectionEnd

; The program's own setting "随系统启动": the wish in wake.ini and the Run
; value of the current user that the program keeps for it on the NT family.
Section "随 Windows 启动" SecAutostart
  WriteINIStr "$INSTDIR\wake.ini" "autorun" "run" "1"
  WriteRegStr HKCU "${RUN_KEY}" "${USER_RUN_VALUE}" '"$INSTDIR\orvane.exe"'
SectionEnd

; The program writes its files beside itself: the users of the computer
; (the well-known group S-1-5-32-545, whatever its name in the system's
; language) get the right to modify the folder. cacls serves Windows XP,
; which has no icacls.
Function AllowUsersToModify
  nsExec::Exec 'icacls "$INSTDIR" /grant *S-1-5-32-545:(OI)(CI)M /T /Q'
  Pop $0
  ${If} $0 != 0
    nsExec::Exec 'cacls "$INSTDIR" /E /T /G Users:C'
    Pop $0
  ${EndIf}
FunctionEnd

; PortTalk.sys goes where the program's driver service points: the drivers
; folder of the real System32 (also for the 32-bit program on 64-bit Windows,
; as the service control manager loads drivers from there).
Function InstallPortDriver
  IfFileExists "$EXEDIR\PortTalk.sys" 0 done
  ${DisableX64FSRedirection}
  CopyFiles /SILENT "$EXEDIR\PortTalk.sys" "$WINDIR\System32\drivers\PortTalk.sys"
  ${EnableX64FSRedirection}
  DetailPrint "已安装端口驱动 PortTalk.sys"
done:
FunctionEnd

Function RegisterUninstaller
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
FunctionEnd

Function un.onInit
  !insertmacro USE_PROGRAM_VIEW
FunctionEnd

; The user's tasks and settings are kept unless the user says otherwise; a
; silent uninstall keeps them unless given /DELETEDATA.
Function un.KeepUserData
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DELETEDATA" $1
  ${IfNot} ${Errors}
    Push 0
    Return
  ${EndIf}
  MessageBox MB_YESNO|MB_ICONQUESTION "是否保留你的定时任务和设置（task.dat、time.dat、wake.ini）？$\r$\n$\r$\n选择“是”，重新安装后可以继续使用它们；选择“否”，它们将被删除。" /SD IDYES IDNO remove
  Push 1
  Return
remove:
  Push 0
FunctionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  Call un.KeepUserData
  Pop $R0
  Delete "$INSTDIR\orvane.exe"
  Delete /REBOOTOK "$INSTDIR\deskward.exe"
  Delete "$INSTDIR\help.chm"
  Delete "$INSTDIR\di.wav"
  Delete "$INSTDIR\prompt.jpg"
  Delete "$INSTDIR\deskward.txt"
  ${If} $R0 = 0
    Delete "$INSTDIR\task.dat"
    Delete "$INSTDIR\task.dat.tmp"
    Delete "$INSTDIR\time.dat"
    Delete "$INSTDIR\time.dat.tmp"
    Delete "$INSTDIR\wake.ini"
  ${EndIf}

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} 帮助.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\卸载 ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegValue HKCU "${RUN_KEY}" "${USER_RUN_VALUE}"
  DeleteRegValue HKLM "${RUN_KEY}" "${MACHINE_RUN_VALUE}"
  !insertmacro SYSTEM_FOLDER_BEGIN
  DeleteINIStr "$SYSDIR\deskward.ini" "Option" "pword"
  DeleteINIStr "$SYSDIR\deskward.ini" "Option" "run"
  DeleteINIStr "$SYSDIR\deskward.ini" "Option" "lock"
  !insertmacro SYSTEM_FOLDER_END
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
SectionEnd
