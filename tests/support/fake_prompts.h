#pragma once
// Prompts that answer from a script and record, in order, everything the
// document commands said or asked.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "documents/prompts.h"

namespace zumoku::test {

class FakePrompts : public Prompts {
 public:
  using Log = std::vector<std::string>;

  // The script: answers to questions, and the names chosen in the Open and
  // Save dialogs (nullopt cancels), each used in order.
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> choices;

  // "ask <question>", "ask-no <question>" (No the default), "ask+cancel <question>", "reload <question>", "open
  // <preset>", "save <preset>", "error <text>", "status <text>", "caption <text>", "save1 on|off".
  Log log;
  std::span<const FileType> openTypes, saveTypes;
  std::string status;
  // The format panel; not logged, it follows every open and New.
  std::string format;

  Answer Ask(std::string_view question) override {
    log.push_back("ask " + std::string(question));
    return Next(question);
  }
  Answer AskNoByDefault(std::string_view question) override {
    log.push_back("ask-no " + std::string(question));
    return Next(question);
  }
  // Takes its answer from the same script; kClosed stands for Esc and the
  // close button, which choose Cancel here.
  UnsavedAnswer AskUnsavedChanges(std::string_view question) override {
    log.push_back("ask+cancel " + std::string(question));
    switch (Next(question)) {
      case Answer::kYes:
        return UnsavedAnswer::kYes;
      case Answer::kNo:
        return UnsavedAnswer::kNo;
      case Answer::kClosed:
        break;
    }
    return UnsavedAnswer::kCancel;
  }
  // Yes reloads.
  bool AskToReload(std::string_view question) override {
    log.push_back("reload " + std::string(question));
    return Next(question) == Answer::kYes;
  }
  std::optional<std::string> ChooseFileToOpen(std::span<const FileType> types, std::string_view preset) override {
    openTypes = types;
    return Choose("open ", preset);
  }
  std::optional<std::string> ChooseFileToSave(std::span<const FileType> types, std::string_view preset) override {
    saveTypes = types;
    return Choose("save ", preset);
  }
  void ShowError(std::string_view text) override { log.push_back("error " + std::string(text)); }
  void ShowStatus(std::string_view text) override {
    status = text;
    log.push_back("status " + status);
  }
  void ShowFormat(std::string_view text) override { format = text; }
  void SetCaption(std::string_view caption) override { log.push_back("caption " + std::string(caption)); }
  void EnableSave(bool enabled) override { log.push_back(enabled ? "save1 on" : "save1 off"); }

  // The log since the last call.
  Log Take() { return std::exchange(log, {}); }

 private:
  Answer Next(std::string_view question) {
    if (answers.empty()) {
      ADD_FAILURE() << "unscripted question: " << question;
      return Answer::kClosed;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> Choose(const char* dialog, std::string_view preset) {
    log.push_back(dialog + std::string(preset));
    if (choices.empty()) {
      ADD_FAILURE() << "unscripted dialog: " << dialog;
      return std::nullopt;
    }
    auto choice = choices.front();
    choices.pop_front();
    return choice;
  }
};

}  // namespace zumoku::test
