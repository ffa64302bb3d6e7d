#pragma once
// The maker's addresses, in one place so that a packager can change them:
// the web site (and the caption of the "帮助(&H)" entry that opens it) and
// the feedback mail address. UTF-8; the addresses are ASCII, so they are
// GBK as they are.

#include <string>

namespace orvane::maker {

inline constexpr const char* kSiteAddress = "https://orvane.example.org/";
inline constexpr const char* kSiteCaption = "Orvane 主页";
inline constexpr const char* kFeedbackAddress = "feedback@orvane.example.org";

// What the shell opens for a new mail to the maker.
inline std::string feedbackMailLink() { return std::string("mailto:") + kFeedbackAddress; }

}  // namespace orvane::maker
