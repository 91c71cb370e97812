#pragma once

#include <string>

class CArticleRecord;
class CImportSchema;
class IHttpClient;
class IMessageBox;

// The import operations. The object has no state: every method is a function
// of its arguments, and any instance serves any caller.
class CImportTools {
public:
  virtual ~CImportTools() = default;

  // Every value between `start` and the next `end`, joined by `separator`.
  std::string CollectBetween(const std::string& text, const std::string& start,
                             const std::string& end, const std::string& separator) const;
  // `text` with the first case-insensitive occurrence of `search` replaced.
  std::string ReplaceNoCase(const std::string& text, const std::string& search,
                            const std::string& replacement) const;
  // Puts a comma before the last blank of every item of the author list.
  std::string FormatAuthorList(const std::string& authors, const std::string& separator) const;
  // The text up to its first separator (else first blank, else 3 bytes), then `tail`.
  std::string MakeCiteKey(const std::string& text, const std::string& tail,
                          const std::string& separator) const;

  // Fills all eleven fields of `record` from an ESummary document.
  void ParseSummary(const std::string& document, CArticleRecord& record, CImportSchema schema,
                    const std::string& separator) const;
  // Fills all eleven fields of `record` from a Medline text.
  void ParseMedline(const std::string& text, CArticleRecord& record,
                    const std::string& separator) const;

  // Fetches the URL made from `urlTemplate` and `value` into `document`.
  // On failure shows "Verbindung zum PubMed-Server fehlgeschlagen." through
  // `messages`, leaves `document` unchanged and returns false.
  bool FetchUrlText(std::string& document, const std::string& urlTemplate,
                    const std::string& value, IHttpClient& http, IMessageBox& messages) const;
};
