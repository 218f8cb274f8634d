; The Windows installer (NSIS 3, makensis on Linux), in Simplified Chinese. scripts/windows passes
; the folder to install (STAGE), the file list for the uninstaller (FILES_TO_REMOVE), the version
; and the output file.
;
;   makensis -DSTAGE=dir -DFILES_TO_REMOVE=list.nsh -DVERSION=1.0.0 -DOUTFILE=setup.exe tavenor.nsi

; A 64-bit installer: the programs are 64-bit, and it runs where 32-bit Windows programs cannot.
Target amd64-unicode
SetCompressor /SOLID lzma
; A window that spans the folder, so that the plugin folder's copies of the libraries cost next to
; nothing (13.9 MB with the default 8 MB window, 8.5 MB with this one).
SetCompressorDictSize 32

!include "MUI2.nsh"

!define PRODUCT "Tavenor"
!define PUBLISHER "The Tavenor developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; Tavenor's own licence (MIT), shown before anything is installed.
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

; The programs always; the plugin folder (plugin\Tavenor, for UTAU and OpenUtau to be copied into
; their plugin folders) on by default, and left out if unticked.
Section "${PRODUCT}"
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r /x plugin "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tavenor.exe" "" "$INSTDIR\tavenor.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavenor.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "UTAU / OpenUtau 插件"
    SetOutPath "$INSTDIR\plugin"
    File /r "${STAGE}\plugin\*.*"
SectionEnd

; Exactly the files and folders installed, no more: whatever else the user keeps there stays.
Section "Uninstall"
    !include "${FILES_TO_REMOVE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
