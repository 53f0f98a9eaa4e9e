// File names beyond ASCII, as the users of an Arabic and Persian panel give them: the script,
// the documents, the preferences and the picture all open and are written under their names,
// and a message names a file as the user wrote it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

TEST(FileNames, PersianNamesWorkForTheScriptDocumentsPreferencesAndPicture) {
  const std::string poem =
      zvtest::ReadFileText(std::string(ZARVEL_SOURCE_DIR) + "/examples/persian-poem.json");
  const zvtest::TempFolder temp;
  const std::string document = temp.Write("شعر.json", poem);
  const std::string folder = temp.PathOf("پوشه");
  std::filesystem::create_directory(folder);
  const std::string saved = folder + "/ذخیره.json", picture = folder + "/پنل.svg",
                    prefs = folder + "/ترجیحات.json", missing = folder + "/گم‌شده.json";
  const std::string script = folder + "/اسکریپت.zvs";
  std::ofstream(script, std::ios::binary)
      << "open " << document << "\nmenu \"Window Utilities/Zarvel/Zarvel\"\nselect art 0\n"
      << "save " << saved << "\nsnapshot " << picture << "\nopen " << missing << "\n";

  const zvtest::HostRun run = zvtest::RunHostOnFile(script, {"--prefs", prefs});
  EXPECT_EQ(run.status, 2) << run.errors;
  const auto errors = run.OfKind("error");
  ASSERT_EQ(errors.size(), 1u) << run.errors;
  EXPECT_EQ(errors[0]["line"], 6);
  EXPECT_EQ(errors[0]["reason"], "cannot open " + missing + ": no such file");

  EXPECT_EQ(zvtest::ReadFileText(saved), poem);
  EXPECT_NE(zvtest::ReadFileText(picture).find("<svg "), std::string::npos) << picture;
  EXPECT_NE(zvtest::ReadFileText(prefs).find("ZarvelNonModalDialog"), std::string::npos) << prefs;
}

}  // namespace
