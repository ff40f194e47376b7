#pragma once
// A fresh workspace folder for one test, removed afterwards, with the scripted platform installed
// and the shared state at its start values. Tests run in parallel: none shares a workspace.

#include "platform/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace tallowby::test {

// A new empty folder under the build's scratch area (or /tmp); the path ends with '/'.
std::string MakeTempFolder(const std::string& label);

// Writes text to path (creating folders); fails the test when it cannot.
void WriteFile(const std::string& path, const std::string& text);
std::string ReadFile(const std::string& path);

// Runs a command through the shell, returning its exit status; stdout and stderr are captured.
struct CommandOutput {
    int status = -1;
    std::string out, err;
};
CommandOutput RunShell(const std::string& command);

// Quotes a text for the shell.
std::string ShellQuote(const std::string& text);

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The workspace folder (ending with '/') and the recording platform.
    std::string workspace;
    ScriptedPlatform* platform = nullptr;
    std::string previousFolder;
};

}  // namespace tallowby::test
