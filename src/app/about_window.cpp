// The about window on Windows: a small fixed dialog captioned "关于本软件",
// centred on its owner, with the program's icon, the product name, the
// version and two links (the maker's web site, a mail to the maker); the
// close box and Esc close it.

#include "app/about_window.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/about_form.h"
#include "app/maker.h"
#include "platform/win32/win32_dialog.h"

namespace orvane {

namespace {

constexpr int kIconSize = 48;
const DialogFrame kFrame{AboutForm::kCaption, 320, 150};

enum ControlId : int { kIcon = 100, kProduct, kVersion, kSiteLink, kMailLink };

const std::string kSiteText = std::string("<a>") + maker::kSiteAddress + "</a>";
const std::string kMailText = std::string("<a>") + maker::kFeedbackAddress + "</a>";

const ControlSpec kControls[] = {
    {kIcon, L"STATIC", SS_ICON | SS_REALSIZECONTROL, "", 20, 20, kIconSize, kIconSize},
    {kProduct, L"STATIC", SS_LEFT, AboutForm::kProductName, 88, 20, 210, 22},
    {kVersion, L"STATIC", SS_LEFT, AboutForm::kVersion, 88, 46, 210, 20},
    {kSiteLink, WC_LINK, WS_TABSTOP, kSiteText.c_str(), 88, 82, 220, 20},
    {kMailLink, WC_LINK, WS_TABSTOP, kMailText.c_str(), 88, 108, 220, 20},
};

class AboutWindow : public DialogView {
 public:
  AboutWindow(AboutForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  int firstControl() const override { return kSiteLink; }
  void notified(const NMHDR& header) override;
  void dpiApplied(unsigned dpi) override;

  AboutForm& form_;
};

void AboutWindow::notified(const NMHDR& header) {
  if (header.code != NM_CLICK && header.code != NM_RETURN) return;
  if (header.idFrom == kSiteLink) form_.siteLinkClicked();
  if (header.idFrom == kMailLink) form_.mailLinkClicked();
}

void AboutWindow::dpiApplied(unsigned dpi) {
  SendDlgItemMessageW(handle(), kIcon, STM_SETICON, reinterpret_cast<WPARAM>(programIcon(scaled(kIconSize, dpi))), 0);
}

}  // namespace

void registerAboutView(Win32Ui& ui) { ui.registerViewOf<AboutForm, AboutWindow>(); }

}  // namespace orvane
