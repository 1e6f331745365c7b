; The installer of Ferolan for Windows, 32-bit or 64-bit: for the current user alone, with no
; administrator rights, into %LOCALAPPDATA%\Programs\Ferolan, with a Start menu entry and an
; uninstaller listed among the installed applications. Made by scripts/package-windows, which
; gives, with -D:
;   TARGET           the stub, as the build: x86-unicode or amd64-unicode
;   VERSION          the build's version, as people read it (2.0)
;   VERSION_NUMBERS  the same in the four numbers of Windows' version information (2.0.0.0)
;   STAGING          the folder of the files to install, with files.nsh, which names them
;                    as packaging/windows/files lists them
;   OUTPUT           the installer to write
; No plug-in: the pages below need none, and so nothing is unpacked into a temporary folder.

Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!macro REQUIRED NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: scripts/package-windows makes this installer"
  !endif
!macroend
!insertmacro REQUIRED TARGET
!insertmacro REQUIRED VERSION
!insertmacro REQUIRED VERSION_NUMBERS
!insertmacro REQUIRED STAGING
!insertmacro REQUIRED OUTPUT

Target ${TARGET}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ferolan"
!define UNINSTALLER "uninst.exe"
!define SHORTCUT "$SMPROGRAMS\Ferolan.lnk"

Name "Ferolan ${VERSION}"
OutFile "${OUTPUT}"
InstallDir "$LOCALAPPDATA\Programs\Ferolan"
; Installed again, Ferolan goes where it went the first time.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
UninstallCaption "Désinstaller Ferolan"
BrandingText "Ferolan ${VERSION}"

!include MUI2.nsh
!define MUI_ICON "ferolan.ico"
!define MUI_UNICON "ferolan.ico"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "Ferolan"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de Ferolan"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "L'équipe Ferolan"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "Logiciel libre sous licence GNU GPL, version 3 ou ultérieure"

; files.nsh defines FEROLAN_FILES ACTION, which inserts ACTION once for each file: the one list
; both installs and uninstalls, so the uninstaller removes exactly what was installed.
!macro INSTALL_FILE NAME
  File "${STAGING}/${NAME}"
!macroend
!macro REMOVE_FILE NAME
  Delete "$INSTDIR\${NAME}"
!macroend
!include "${STAGING}/files.nsh"

Section "Ferolan" SECTION_FEROLAN
  SetOutPath "$INSTDIR"
  !insertmacro FEROLAN_FILES INSTALL_FILE
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\ferolan.exe" "" "$INSTDIR\ferolan.exe" 0 \
    SW_SHOWNORMAL "" "Convertir des exportations de résultats"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ferolan"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "L'équipe Ferolan"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ferolan.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SECTION_FEROLAN} $0 ; in KiB, as EstimatedSize wants it
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; By name, never the whole folder: the folder may hold the user's own files, which stay, and
; then the folder stays too.
Section "Uninstall"
  !insertmacro FEROLAN_FILES REMOVE_FILE
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
