// Files that zarvel-host cannot load as its module: each ends the run with exit status 3 and
// one error that names the file and says why, before anything of a module is called.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

// The headers of a 32-bit PE DLL and nothing more: a Windows module as the file reader sees it.
std::string PeHeadersOnly() {
  std::string file(0x40 + 4 + 20 + 0xE0, '\0');
  auto put16 = [&](size_t at, unsigned value) {
    file[at] = static_cast<char>(value & 0xFF);
    file[at + 1] = static_cast<char>(value >> 8);
  };
  file[0] = 'M', file[1] = 'Z';
  file[0x3C] = 0x40;
  file.replace(0x40, 4, std::string("PE\0\0", 4));
  put16(0x44, 0x14C);    // i386
  put16(0x54, 0xE0);     // optional header size
  put16(0x56, 0x2102);   // a 32-bit DLL
  put16(0x58, 0x10B);    // PE32
  file[0x58 + 92] = 16;  // data directories
  return file;
}

TEST(ModuleLoad, WhatCannotBeLoadedEndsTheRunWithStatus3AndTheReason) {
  const zvtest::TempFolder temp;
  const std::string text = temp.Write("Zarvel.aip", "#!/bin/sh\necho hello\n");
  const std::string folder = std::string(ZARVEL_SOURCE_DIR) + "/examples";
  // A module built for the other system: the Linux build's for the Windows host, a PE file
  // for the Linux host.
  const bool windowsHost = zvtest::WindowsHost();
  const std::string foreign =
      windowsHost ? std::string(ZARVEL_MODULE_FILE) : temp.Write("Windows.aip", PeHeadersOnly());
  struct Case {
    std::string module;
    std::string reason;
  };
  // Each reason starts so; a missing file's goes on with the system's own words ("No such file
  // or directory", "Path not found.").
  const std::vector<Case> cases = {
      {"/nonexistent/Zarvel.aip",
       "/nonexistent/Zarvel.aip: cannot be loaded: cannot open /nonexistent/Zarvel.aip: "},
      {folder, folder + ": cannot be loaded: cannot open " + folder + ": it is a folder"},
      {text,
       text + ": cannot be loaded: not a module: " + text + " is neither an ELF nor a PE file"},
      {foreign,
       foreign + ": cannot be loaded: it is a module for " +
           (windowsHost ? "Linux (ELF" : "Windows (PE32), and this host loads Linux modules")},
  };
  const std::string script = temp.Write("script.zvs", "open x.json\n");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.module);
    const zvtest::HostRun run = zvtest::RunHostRaw({"--json", "--plugin", c.module, script});
    EXPECT_EQ(run.status, 3) << run.errors;
    ASSERT_EQ(run.lines.size(), 1u) << "the module is never called";
    EXPECT_EQ(run.lines[0]["kind"], "error");
    EXPECT_EQ(run.lines[0]["reason"].get<std::string>().rfind(c.reason, 0), 0u)
        << run.lines[0]["reason"];
  }
}

}  // namespace
