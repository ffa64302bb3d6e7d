#include "app/password_prompt_form.h"

#include "common/gbk.h"
#include "storage/lock_settings.h"
#include "storage/password_scramble.h"

namespace orvane {

PasswordPromptForm::PasswordPromptForm(Ui& ui, FileSystem& files) : Form(ui), files_(files) {}

const std::optional<Picture>& PasswordPromptForm::picture() {
  if (!pictureRead_) picture_ = loadJpeg(files_, files_.programDirectory() / kPictureFile);
  pictureRead_ = true;
  return picture_;
}

void PasswordPromptForm::answerScripted(const std::string& answer) {
  entry = utf8ToGbk(answer);
  okClicked();
  if (isOpen()) cancelClicked();
}

void PasswordPromptForm::prepare() {
  cancelled_ = false;
  entry.clear();
}

void PasswordPromptForm::okClicked() {
  if (passwordMatches(entry, readStoredPassword(files_))) {
    close(kResultOk);
    return;
  }
  ui().showWarningBox("密码错误！");
}

void PasswordPromptForm::cancelClicked() {
  cancelled_ = true;
  close(kResultCancel);
}

}  // namespace orvane
