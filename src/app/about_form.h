#pragma once
// The about window (window class "TForm7", caption "关于本软件"): the
// product name, the version and two links, to the maker's web site and to
// a new mail to the maker. Made at start, it lives for the whole run and is
// shown modally; its close box closes it.

#include "platform/form.h"
#include "platform/shell.h"

namespace orvane {

class AboutForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm7";
  static constexpr const char* kCaption = "关于本软件";
  static constexpr const char* kProductName = "Orvane";
  static constexpr const char* kVersion = "版本：3.2.0";

  AboutForm(Ui& ui, ShellApi& shell) : Form(ui), shell_(shell) {}

  const char* windowClass() const override { return kWindowClass; }

  // "关于本软件" of both menus; while it is open already, nothing happens.
  void showModally();
  // The two links, each through the shell ("open").
  void siteLinkClicked();
  void mailLinkClicked();

 private:
  ShellApi& shell_;
};

}  // namespace orvane
