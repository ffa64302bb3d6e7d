#pragma once
// The controls of the main window that scripted events reach:
//   press TForm3/CAPTION       a button by its caption;
//   select TForm3/StringGrid1 ROW   a row of the dated power-on list;
//   type TForm3/NAME VALUE     a spin edit's text or a check box ("1"/"0")
//                              by its resource name.

#include <string>

namespace orvane {

class MainForm;

// Whether the event (verb and argument) names a control that exists.
bool isMainWindowControlEvent(const std::string& verb, const std::string& argument);
// Runs it as the user's click or input would.
void runMainWindowControlEvent(MainForm& form, const std::string& verb, const std::string& argument);

}  // namespace orvane
