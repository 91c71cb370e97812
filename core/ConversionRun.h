#pragma once

#include "core/ArticleRecord.h"
#include "core/EntryWriter.h"
#include "import/ImportTools.h"

#include <string>

class CImportSchema;
class IBusyCursor;
class IHttpClient;
class IMessageBox;
class IProfileStore;
struct CMainSettings;

// Shows a record for review and editing before it is written.
class IRecordPreview {
public:
  virtual ~IRecordPreview() = default;
  // Shows `record`; true when the user confirmed, `record` then holding the
  // edited values. On false `record` is unchanged.
  virtual bool Confirm(CArticleRecord& record) = 0;
};

// Delivers a confirmed entry: appends it to the target file, or elsewhere.
class IEntrySink {
public:
  virtual ~IEntrySink() = default;
  virtual WriteOutcome Deliver(const CArticleRecord& record, const std::string& templateBlock,
                               const std::string& targetPath, IMessageBox& messages) = 0;
};

// Appends the entry to the target file (WriteEntry).
class CFileEntrySink : public IEntrySink {
public:
  WriteOutcome Deliver(const CArticleRecord& record, const std::string& templateBlock,
                       const std::string& targetPath, IMessageBox& messages) override;
};

// What a run needs besides the inputs and the schema.
struct CConversionServices {
  IMessageBox& messages;         // bound to the main window: the run's, the reader's, the writer's boxes
  IMessageBox& unownedMessages;  // the fetch failure's box, which has no owner window
  IHttpClient& http;
  IBusyCursor& busy;
  IProfileStore& store;          // receives the `Settings` section at the end of a run
  IRecordPreview& preview;
  IEntrySink& sink;
};

// How a run ended.
enum class RunOutcome {
  MissingInput,      // a required input was empty
  TemplateUnread,    // the template file could not be opened or was empty
  TemplateFaulty,    // the template file has no usable template block
  FetchFailed,       // the on-line fetch failed
  NoRecord,          // the fetched summary held no field
  SourceUnread,      // the Medline file could not be opened or was empty
  NotConfirmed,      // the preview was cancelled or answered with No
  OpenFailed,        // the target file could not be opened
  WriteFailed,       // writing the target file failed; the settings were not saved
  Written,           // the entry was delivered
};

// One conversion from a PMID or a Medline file, through the template and the
// preview, to an entry in the target file. The members keep what the last
// run left, as the main window's own members do.
class CConversionRun {
public:
  RunOutcome Run(const CMainSettings& inputs, const CImportSchema& schema, CConversionServices& services);

  CArticleRecord m_record;
  std::string m_strSourceText;  // the fetched summary or the Medline file's text
  std::string m_strTemplate;    // the template file's text, then its template block
  CImportTools m_importTools;

private:
  RunOutcome ObtainAndDeliver(const CMainSettings& inputs, const CImportSchema& schema,
                              CConversionServices& services);
};
