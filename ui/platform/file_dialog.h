#pragma once
// CFileDialog: the open-file dialog.
//
// The filter is given as "name|pattern|name|pattern||" pairs, as in
// "Tarvell User (*.tvu)|*.tvu||". After OK the chosen file's folder is the
// working directory and GetFileName gives the name without its folder, so
// that the caller can open it by that name.

#include <QStringList>

#include <string>

class QWidget;

// Flags of the open-file dialog.
enum FileDialogFlags : unsigned {
  OFN_HIDEREADONLY = 0x4,      // no "open read-only" box (the toolkit shows none anyway)
  OFN_PATHMUSTEXIST = 0x800,   // the folder must exist
  OFN_FILEMUSTEXIST = 0x1000,  // the file must exist
};

// What a file dialog asks for; the test seam sees it.
struct CFileDialogRequest {
  bool open;
  std::string defaultExtension;
  std::string fileName;
  unsigned flags;
  std::string filter;
};

// The toolkit's name filters for a "name|pattern||" filter: one entry per
// pair, the patterns in parentheses after the name unless the name already
// ends with them; several patterns separated by ";" become a space-separated
// list.
QStringList NameFiltersFromPairs(const std::string& filter);

class CFileDialog {
 public:
  CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned flags,
              const char* filter, QWidget* parent);

  // Shows the dialog and waits: IDOK with a file chosen, IDCANCEL otherwise.
  int DoModal();

  // The chosen file with its folder, and its name alone.
  std::string GetPathName() const { return pathName_; }
  std::string GetFileName() const;

  const CFileDialogRequest& Request() const { return request_; }

 private:
  // Accepts path as the player's choice: checks what the flags demand and
  // makes its folder the working directory.
  int Accept(const std::string& path);

  CFileDialogRequest request_;
  QWidget* parent_;
  std::string pathName_;
};
