#include "settings/MainSettings.h"

#include "platform/MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace {

void ExpectSame(const CMainSettings& actual, const CMainSettings& expected)
{
  EXPECT_EQ(actual.m_strExportFile, expected.m_strExportFile);
  EXPECT_EQ(actual.m_strImportFile, expected.m_strImportFile);
  EXPECT_EQ(actual.m_strTemplateFile, expected.m_strTemplateFile);
  EXPECT_EQ(actual.m_strPubMedID, expected.m_strPubMedID);
  EXPECT_EQ(actual.m_nImportFormat, expected.m_nImportFormat);
}

TEST(MainSettingsTest, EmptyStoreGivesEmptyPathsAndPmidMode)
{
  CMemoryProfileStore store;
  CMainSettings settings;
  settings.m_nImportFormat = 1;
  settings.Load(store);
  ExpectSame(settings, CMainSettings());
}

TEST(MainSettingsTest, SaveWritesFiveKeysInOrderAndLoadsBack)
{
  CMainSettings saved;
  saved.m_strExportFile = "/home/u/lit.bib";
  saved.m_strImportFile = "C:\\med\\a b.txt";
  saved.m_strTemplateFile = "";
  saved.m_strPubMedID = " 12345 ";
  saved.m_nImportFormat = 1;

  CMemoryProfileStore store;
  saved.Save(store);
  EXPECT_EQ(store.m_writes,
            (std::vector<std::string>{"Settings/ExportFile", "Settings/ImportFile",
                                      "Settings/TemplateFile", "Settings/PubMedID",
                                      "Settings/ImportFormat"}));
  EXPECT_EQ((store.m_values[{"Settings", "ImportFormat"}]), "1");

  CMainSettings loaded;
  loaded.m_strTemplateFile = "replaced by the stored empty value";
  loaded.Load(store);
  ExpectSame(loaded, saved);
}

TEST(MainSettingsTest, SourceChoiceOutsideZeroAndOneIsLoadedUnchanged)
{
  CMemoryProfileStore store;
  store.WriteProfileInt("Settings", "ImportFormat", -7);
  CMainSettings settings;
  settings.Load(store);
  EXPECT_EQ(settings.m_nImportFormat, -7);
}

}  // namespace
