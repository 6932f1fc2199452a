; Keldaran's Windows installer: a per-user install that needs no administrator, a Start-menu
; shortcut, project files (*.keldaran) that open in Keldaran on a double click, and an
; uninstaller listed under the user's installed apps. `setup.exe /S` installs silently,
; `uninstall.exe /S` removes silently.
;
; makensis -DVERSION=1.0.0 -DVERSION_QUAD=1.0.0.0 -DSTAGE_FILES=files.nsh -DSTAGE_UNFILES=unfiles.nsh
;          -DICON=keldaran.ico -DOUTFILE=keldaran-1.0.0-setup.exe keldaran.nsi
; A 64-bit installer for a 64-bit program; it is also what runs under a 64-bit-only Wine.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Keldaran"
; "Pipe size calculator", the Persian half of the shortcut's and the uninstall entry's name.
!define PRODUCT_FA "محاسبه‌گر سایز لوله"
!define DISPLAY_NAME "${PRODUCT} (${PRODUCT_FA})"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT} - ${PRODUCT_FA}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The project file's type, registered for this user only, as the install itself is.
!define CLASSES "Software\Classes"
!define PROJECT_EXT ".keldaran"
!define PROJECT_TYPE "Keldaran.Schedule"
; SHCNE_ASSOCCHANGED: Explorer shows the new icon and verb without a restart.
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
; A per-user program folder: writable without elevation, and what Windows itself suggests.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PRODUCT}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\keldaran.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Farsi"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Keldaran"
  ; An earlier version in the same folder is removed first, with its own list of files, so that
  ; no file it had and this one lacks is left behind for no uninstaller to remove.
  IfFileExists "$INSTDIR\uninstall.exe" 0 +2
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'

  !include "${STAGE_FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\keldaran.exe" "" "$INSTDIR\keldaran.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\keldaran.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${KELDARAN_INSTALLED_KB}

  WriteRegStr HKCU "${CLASSES}\${PROJECT_EXT}" "" "${PROJECT_TYPE}"
  WriteRegStr HKCU "${CLASSES}\${PROJECT_EXT}\OpenWithProgids" "${PROJECT_TYPE}" ""
  WriteRegStr HKCU "${CLASSES}\${PROJECT_TYPE}" "" "${PRODUCT} - جدول سایزینگ"
  WriteRegStr HKCU "${CLASSES}\${PROJECT_TYPE}\DefaultIcon" "" "$INSTDIR\keldaran.exe,0"
  WriteRegStr HKCU "${CLASSES}\${PROJECT_TYPE}\shell\open\command" "" '"$INSTDIR\keldaran.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  Delete "${SHORTCUT}"
  !include "${STAGE_UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: a folder the user chose may hold other files.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The extension only while it is still ours: another program may have taken it since.
  ReadRegStr $0 HKCU "${CLASSES}\${PROJECT_EXT}" ""
  StrCmp $0 "${PROJECT_TYPE}" 0 +2
    DeleteRegValue HKCU "${CLASSES}\${PROJECT_EXT}" ""
  DeleteRegValue HKCU "${CLASSES}\${PROJECT_EXT}\OpenWithProgids" "${PROJECT_TYPE}"
  DeleteRegKey /ifempty HKCU "${CLASSES}\${PROJECT_EXT}\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "${CLASSES}\${PROJECT_EXT}"
  DeleteRegKey HKCU "${CLASSES}\${PROJECT_TYPE}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd
