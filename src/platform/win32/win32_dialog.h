#pragma once
// The base of the program's dialog windows. A dialog is a fixed window of
// its form's window class, made of a table of controls in the system's
// message font, laid out at the window's DPI and again when the DPI
// changes, and placed on its owner, on the screen or on the main window.
// Like a dialog it keeps the keyboard focus among its controls across its
// deactivation; Tab, Enter (a click of the IDOK button) and Esc (IDCANCEL)
// come from the Ui's message loop, and Esc and the close box press the
// form's close box. One that stays on top puts itself back above all other
// windows on every paint, without activating, moving or sizing itself.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

enum class Placement {
  CentredOnOwner,
  CentredOnScreen,
  CentredOnMainWindow,
};

// Whether a dialog shows itself once made, or waits for the Ui (a modal
// window) or its form.
enum class Showing {
  ByTheUi,
  AtOnce,
  AtOnceInFront,
};

struct DialogFrame {
  const char* caption;  // UTF-8; null for the application title
  int clientWidth;      // at 96 DPI
  int clientHeight;
  Placement placement = Placement::CentredOnOwner;
  Showing showing = Showing::ByTheUi;
  bool staysOnTop = false;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
};

// The colours of a static control (or of a read-only field, which asks as
// one does): its text, and its background as a system colour (COLOR_...).
struct StaticColours {
  COLORREF text;
  int background;
};

// Keeps the keyboard focus among a window's controls across its
// deactivation, as a dialog does: the window hands it every WM_ACTIVATE;
// the first activation focuses `first`.
class FocusKeeper {
 public:
  void activated(HWND window, WPARAM state, HWND first);

 private:
  HWND saved_ = nullptr;
};

class DialogView : public View {
 public:
  ~DialogView() override;

  // Makes the window and its controls, lays them out, shows the form's
  // state and, when the dialog does so, shows the window.
  void create(HWND owner) final;
  // Shows the form's state; the notifications that the controls send
  // meanwhile are not taken for the user's.
  void refresh() final;

 protected:
  DialogView(Form& form, Win32Ui& ui, ControlTable controls, const DialogFrame& frame);

  HWND control(int id) const { return GetDlgItem(handle(), id); }
  CheckBox checkBox(int id) const { return CheckBox(control(id)); }
  EditField editField(int id) const { return EditField(control(id)); }
  ComboBox comboBox(int id) const { return ComboBox(control(id)); }
  DateTimePicker picker(int id) const { return DateTimePicker(control(id)); }
  Control plain(int id) const { return Control(control(id)); }
  MessageFont& font() { return font_; }
  bool refreshing() const { return refreshing_; }

  // The caption; by default the frame's.
  virtual std::wstring title() const;
  // What the table does not make: items of lists, formats, extra windows.
  virtual void prepareControls() {}
  // Copies the form's state into the controls.
  virtual void showState() {}
  // The control that has the focus when the window is first activated; 0
  // for a window that leaves the focus to the system.
  virtual int firstControl() const { return 0; }
  // A command of a control other than IDCANCEL (Esc and the close box).
  virtual void command(int /*id*/, int /*notification*/) {}
  virtual void notified(const NMHDR& /*header*/) {}
  // The colours of a static control; none for the system's.
  virtual std::optional<StaticColours> coloursOf(HWND /*child*/) const { return std::nullopt; }
  // Places the window by the frame's placement.
  virtual void place();
  // The fonts, layout and place were made anew at this DPI.
  virtual void dpiApplied(unsigned /*dpi*/) {}

  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void applyDpi();

  ControlTable controls_;
  DialogFrame frame_;
  MessageFont font_;
  FocusKeeper focus_;
  bool refreshing_ = false;
};

// Centres the window, with a client area of this size at 96 DPI scaled to
// its DPI, on `over`, or on its monitor's work area when there is none.
void placeCentred(HWND window, HWND over, int clientWidth, int clientHeight);
// The same size, with the window's top-left corner at this screen point.
void placeAt(HWND window, POINT topLeft, int clientWidth, int clientHeight);

}  // namespace orvane
