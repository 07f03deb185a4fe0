// Everything the program knows about its maker: web addresses and contact
// details. The maker is fictional; every address it owns lies under the
// reserved .example domain, so nothing real is ever contacted.
#pragma once

namespace Addresses {

// The maker's home page: "联系主页" and every confirmed exit open it.
inline constexpr const char* HomePage = "http://www.omenwise.example/";

// Link targets of the link column. A to D are the maker's own products on
// its download site; E to H are partners' download pages.
inline constexpr const char* TargetA = "http://soft.omenwise.example/notebook.html";
inline constexpr const char* TargetB = "http://soft.omenwise.example/weather.html";
inline constexpr const char* TargetC = "http://soft.omenwise.example/contacts.html";
inline constexpr const char* TargetD = "http://soft.omenwise.example/diary.html";
inline constexpr const char* TargetE = "http://download.browser-partner.example/";
inline constexpr const char* TargetF = "http://download.input-partner.example/";
inline constexpr const char* TargetG = "http://download.antivirus-partner.example/";
inline constexpr const char* TargetH = "http://download.downloader-partner.example/";

// Contact details shown in the status line, About and Customer Service.
inline constexpr const char* Maker = "灵兆示例工作室";
inline constexpr const char* ContactPerson = "张示例";
inline constexpr const char* Telephone = "000-0000000";
inline constexpr const char* ServiceTelephone = "000-0000001";
inline constexpr const char* Messenger = "00000000";
inline constexpr const char* ContactEmail = "kf@omenwise.example";
inline constexpr const char* SupportEmail = "support@omenwise.example";

}  // namespace Addresses
