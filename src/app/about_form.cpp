#include "app/about_form.h"

#include "app/maker.h"

namespace orvane {

void AboutForm::showModally() {
  if (!isOpen()) ui().showModal(*this);
}

void AboutForm::siteLinkClicked() { shell_.shellExecute("open", maker::kSiteAddress, ""); }

void AboutForm::mailLinkClicked() { shell_.shellExecute("open", maker::feedbackMailLink(), ""); }

}  // namespace orvane
