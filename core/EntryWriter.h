#pragma once

#include <string>

class CArticleRecord;
class IMessageBox;

// The template block with its eleven placeholders replaced by the record's
// fields, in placeholder order, first occurrence each, ignoring case.
std::string RenderEntry(const CArticleRecord& record, const std::string& templateBlock);

enum class WriteOutcome {
  Written,     // appended, flushed and closed; the success note was shown
  OpenFailed,  // "Fehler beim Öffnen von ..." shown; nothing written
  WriteFailed, // "Fehler beim Schreiben von ..." shown; file restored to its former length
};

// Appends the rendered entry to the file at `path` (created when missing),
// under an exclusive lock, and reports the outcome through `messages`.
WriteOutcome WriteEntry(CArticleRecord record, std::string templateBlock, std::string path,
                        IMessageBox& messages);
