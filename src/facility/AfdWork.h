// The facility-data work record that the two AFCAD commands share with the airport dialog, and
// the per-airport data files that the installer is given.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace facility {

inline constexpr int kAirportCount = 5;

// One command's record. The command writes `verb` and clears `selected` before it shows the
// airport dialog; the dialog reads `verb` for its prompt and writes `selected` on OK.
struct AfdWork {
    std::array<uint8_t, kAirportCount> selected{};  // 1 = ticked, in list order (RJBB ... RJBH)
    std::string verb;                               // "registers" or "restores"
    std::string bgl;                                // full path of japanafd.bgl
    std::string org;                                // full path of japanafd.TNV_ORG (first backup)
    std::string bak;                                // full path of japanafd.TNV_BAK (latest backup)
};

// The one record of the running program; it keeps its values between commands.
AfdWork& ProcessAfdWork();

// The add-on's facility data files, relative to the program's folder, indexed like `selected`:
// the new data (register) and FS2002's stock data (restore).
extern const std::array<const char*, kAirportCount> NewAfdFiles;
extern const std::array<const char*, kAirportCount> OrgAfdFiles;

}  // namespace facility
