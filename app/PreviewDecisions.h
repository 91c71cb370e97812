#pragma once

#include "core/ArticleRecord.h"

#include <string>

class IMessageBox;

// One edit field of the preview: its control, the record field it shows and
// the most characters it accepts.
struct PreviewField {
  unsigned controlId;
  std::string CArticleRecord::*member;
  int maxChars;
};

inline constexpr int kPreviewFieldMaxChars = 1024;
inline constexpr int kPreviewNoteMaxChars = 16384;

// The eleven fields in data-exchange order, which is the record's declared order.
inline constexpr PreviewField kPreviewFields[] = {
    {1012, &CArticleRecord::m_strAuthors, kPreviewFieldMaxChars},
    {1013, &CArticleRecord::m_strCiteKey, kPreviewFieldMaxChars},
    {1019, &CArticleRecord::m_strIssue, kPreviewFieldMaxChars},
    {1015, &CArticleRecord::m_strJournal, kPreviewFieldMaxChars},
    {1025, &CArticleRecord::m_strLanguage, kPreviewFieldMaxChars},
    {1023, &CArticleRecord::m_strNote, kPreviewNoteMaxChars},
    {1017, &CArticleRecord::m_strPages, kPreviewFieldMaxChars},
    {1016, &CArticleRecord::m_strTitle, kPreviewFieldMaxChars},
    {1020, &CArticleRecord::m_strURL, kPreviewFieldMaxChars},
    {1018, &CArticleRecord::m_strVolume, kPreviewFieldMaxChars},
    {1014, &CArticleRecord::m_strYear, kPreviewFieldMaxChars},
};

// What the preview's decisions need from its widgets.
class IPreviewForm {
public:
  virtual ~IPreviewForm() = default;
  // The number of characters the field's control holds now.
  virtual int FieldLength(unsigned controlId) const = 0;
  virtual void FocusField(unsigned controlId) = 0;
};

// Checks every field against its limit, in data-exchange order. The first one
// too long gets the message about the maximum number of characters and the
// focus; false then.
bool ValidatePreviewFields(IPreviewForm& form, IMessageBox& messages);

enum class PreviewCommand {
  Stay,    // the dialog stays open
  Accept,  // the dialog ends with IDOK
  Reject,  // the dialog ends with IDCANCEL
};

// "Übernehmen" (or Enter in a one-line field): validate, ask whether to save,
// and on Yes validate once more. `messages` must be bound to the preview.
PreviewCommand DecidePreviewOk(IPreviewForm& form, IMessageBox& messages);
