#pragma once
// The string table: the document template string, the application title,
// the idle text of the status line, the prompts of the menu commands and the
// texts of the status-bar indicators.

#include <string>

// The string with this number, or an empty string when there is none.
std::string LoadResourceString(int id);

// The seven newline-separated fields of a document template string, in order.
enum class DocStringField {
  WindowTitle,
  DocumentName,
  NewFileName,
  FilterName,
  FilterExtension,
  FileTypeId,
  FileTypeName,
};

// One field of the document template string with this number ("" when the
// string or the field is missing).
std::string DocumentTemplateField(int id, DocStringField field);

// The status-line prompt of a command: the part of its string before "\n".
std::string CommandPrompt(int command);
