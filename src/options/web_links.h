#pragma once

#include <string>
#include <string_view>

#include "core/app_title.h"

// The addresses of the program's own pages. Each is built when a link or menu entry is used.
namespace options {

inline constexpr std::string_view kMakerName = "The Tornavane Project";
inline constexpr std::string_view kWebDomain = "tornavane.example";

inline std::string WebPage(std::string_view page) {
  return "https://" + std::string(kWebDomain) + "/" + std::string(page);
}

inline std::string HomePage() {
  return WebPage("");
}
inline std::string SetupPage() {
  return WebPage("setup");
}
inline std::string FaqPage() {
  return WebPage("faq");
}
inline std::string ForumPage() {
  return WebPage("forum");
}
// The page about the DWGGateway add-on and its open command.
inline std::string DwgGatewayPage() {
  return WebPage("addons/dwggateway");
}
inline std::string SupportMailLink() {
  return "mailto:" + std::string(core::kSupportEmail);
}

}  // namespace options
