; The setup program of KV Dunvaro. It copies the plug-in into the host's
; plug-in folder that the engraver chooses, with the guide, the licence and an
; uninstaller, and registers that uninstaller with Windows. The uninstaller
; removes exactly those files and entries, and the stored settings only when
; asked to.
;
; Built by ./dev package (makensis -INPUTCHARSET UTF8 -DVERSION=1.20
; -DSTAGE=<folder> -DOUTFILE=<setup.exe> packaging/kvdunvaro.nsi); STAGE holds
; 32-bit/kvdunvaro.dll, 64-bit/kvdunvaro.dll, kvdunvaro-guide.html and LICENSE.
;
; An ANSI installer: it runs on Windows 95, 98 and Me as well as on NT.
;
; Command line: /S silent, /D=FOLDER the plug-in folder (last, unquoted),
; /64 the 64-bit plug-in. Uninstaller: /S silent, /REMOVESETTINGS also
; removes the stored settings (asked when not silent).

Target x86-ansi

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "KV Dunvaro"
!define PUBLISHER "KV Plugins"
!define SETTINGS_KEY "Software\KVPlugins\KVDunvaro104"
!define SETTINGS_PARENT "Software\KVPlugins"
!define FOLDER_VALUE "SetupFolder"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KVDunvaro"
!define CREATED_VALUE "KVCreatedFolder"
!define UNINSTALLER "kvdunvaro-uninstall.exe"
!define GUIDE "kvdunvaro-guide.html"
!define LICENCE "kvdunvaro-LICENSE.txt"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; No default folder: hosts keep their plug-ins in folders of their own, which
; only the engraver knows. A folder chosen before is offered again.
InstallDir ""
InstallDirRegKey HKCU "${SETTINGS_KEY}" "${FOLDER_VALUE}"
RequestExecutionLevel highest
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

Var AllUsers    ; 1: registered for all users (HKLM), 0: for the current user
Var Chosen      ; the selected one of the two plug-in sections
Var Created     ; 1 when this setup created the plug-in folder
Var RemoveSettings

!define MUI_ABORTWARNING
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(FolderExplanation)"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${GUIDE}"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(OpenGuide)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English first (the default); then the dialog's other languages that NSIS
; has. Windows' user language picks one.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Finnish"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Danish"
!insertmacro MUI_LANGUAGE "Norwegian"
!insertmacro MUI_LANGUAGE "NorwegianNynorsk"
!include "setup_strings.nsh"  ; makensis works in the script's folder

; The files every install has, then the plug-in the engraver chose, then the
; uninstaller and its entry.
Section "-files"
  Call DecideScope
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $Created 1
  ${Else}
    ; Installing over an earlier install keeps what that one knew.
    ReadRegStr $Created SHCTX "${UNINSTALL_KEY}" "${CREATED_VALUE}"
  ${EndIf}
  SetOutPath "$INSTDIR"
  SetOverwrite on
  ClearErrors
  File "/oname=${GUIDE}" "${STAGE}\kvdunvaro-guide.html"
  File "/oname=${LICENCE}" "${STAGE}\LICENSE"
  Call StopOnErrors
SectionEnd

Section "$(Section32)" Sec32
  File "/oname=kvdunvaro.dll" "${STAGE}\32-bit\kvdunvaro.dll"
  Call StopOnErrors
SectionEnd

Section /o "$(Section64)" Sec64
  File "/oname=kvdunvaro.dll" "${STAGE}\64-bit\kvdunvaro.dll"
  Call StopOnErrors
SectionEnd

Section "-register"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKCU "${SETTINGS_KEY}" "${FOLDER_VALUE}" "$INSTDIR"
  Call RegisterUninstaller
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${Sec32} "$(Description32)"
  !insertmacro MUI_DESCRIPTION_TEXT ${Sec64} "$(Description64)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function StopOnErrors
  ${If} ${Errors}
    MessageBox MB_ICONSTOP|MB_OK "$(FolderNotWritable)" /SD IDOK
    SetErrorLevel 3
    Abort
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $Chosen ${Sec32}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/64" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${Sec32}
    !insertmacro SelectSection ${Sec64}
    StrCpy $Chosen ${Sec64}
  ${EndIf}
  ${If} ${Silent}
  ${AndIf} $INSTDIR == ""
    SetErrorLevel 2  ; silent, and no folder given nor remembered
    Quit
  ${EndIf}
FunctionEnd

; One plug-in or the other: both are kvdunvaro.dll.
Function .onSelChange
  !insertmacro StartRadioButtons $Chosen
    !insertmacro RadioButton ${Sec32}
    !insertmacro RadioButton ${Sec64}
  !insertmacro EndRadioButtons
FunctionEnd

; The folder must exist or be creatable, and be writable by this setup. A
; folder made for the test goes again, so that the install still sees that it
; made the folder (and the uninstaller may remove it).
Function CheckFolder
  StrCpy $1 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 1
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\kvdunvaro-setup.tmp" w
  ${If} ${Errors}
    MessageBox MB_ICONEXCLAMATION|MB_OK "$(FolderNotWritable)"
    Abort
  ${EndIf}
  FileClose $0
  Delete "$INSTDIR\kvdunvaro-setup.tmp"
  ${If} $1 == 1
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

; A folder that needs administrator rights (under Program Files or the
; Windows folder) holds a plug-in for every user of the computer: the
; uninstaller is then registered for all users. Any other folder is the
; current user's.
!macro DECIDE_SCOPE UN
Function ${UN}IsUnder  ; folder, root -> 1 when folder is root or inside it
  Exch $0
  Exch
  Exch $1
  Push $2
  Push $3
  StrLen $2 $1
  StrCpy $3 $0 $2
  ${If} $1 != ""
  ${AndIf} $3 == $1  ; StrCmp ignores case, as Windows' file names do
    StrCpy $3 $0 1 $2
    ${If} $3 == ""
    ${OrIf} $3 == "\"
      StrCpy $0 1
      Goto done
    ${EndIf}
  ${EndIf}
  StrCpy $0 0
  done:
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

Function ${UN}DecideScope
  StrCpy $AllUsers 0
  ${ForEach} $R9 0 2 + 1
    ${Select} $R9
      ${Case} 0
        StrCpy $R8 $PROGRAMFILES
      ${Case} 1
        StrCpy $R8 $PROGRAMFILES64
      ${Case} 2
        StrCpy $R8 $WINDIR
    ${EndSelect}
    Push $R8
    Push $INSTDIR
    Call ${UN}IsUnder
    Pop $R7
    ${If} $R7 == 1
      StrCpy $AllUsers 1
    ${EndIf}
  ${Next}
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DECIDE_SCOPE ""
!insertmacro DECIDE_SCOPE "un."

; The entry of "Apps & features" (and of "Add or Remove Programs").
Function RegisterUninstaller
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "${CREATED_VALUE}" "$Created"
  ; Only our files count: the folder holds the host's other plug-ins.
  StrCpy $1 0
  ${ForEach} $R9 0 3 + 1
    ${Select} $R9
      ${Case} 0
        StrCpy $R8 "kvdunvaro.dll"
      ${Case} 1
        StrCpy $R8 "${GUIDE}"
      ${Case} 2
        StrCpy $R8 "${LICENCE}"
      ${Case} 3
        StrCpy $R8 "${UNINSTALLER}"
    ${EndSelect}
    ${GetSize} "$INSTDIR" "/M=$R8 /S=0B /G=0" $2 $3 $4
    IntOp $1 $1 + $2
  ${Next}
  IntOp $1 $1 + 1023
  IntOp $1 $1 / 1024
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
FunctionEnd

Function un.onInit
  StrCpy $RemoveSettings 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveSettings 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.DecideScope
  ReadRegStr $Created SHCTX "${UNINSTALL_KEY}" "${CREATED_VALUE}"
  Delete "$INSTDIR\kvdunvaro.dll"
  Delete "$INSTDIR\${GUIDE}"
  Delete "$INSTDIR\${LICENCE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; The host's folder stays; one this setup made goes when nothing else is in it.
  ${If} $Created == 1
    RMDir "$INSTDIR"
  ${EndIf}
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${SETTINGS_KEY}" "${FOLDER_VALUE}"
  ; What is left in the settings key is what the plug-in stored.
  EnumRegValue $0 HKCU "${SETTINGS_KEY}" 0
  ${If} $0 != ""
  ${AndIf} $RemoveSettings == 0
  ${AndIfNot} ${Silent}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettingsQuestion)" IDNO +2
    StrCpy $RemoveSettings 1
  ${EndIf}
  ${If} $RemoveSettings == 1
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${EndIf}
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT}"
SectionEnd
