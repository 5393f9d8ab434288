#include "facility/AfdWork.h"

namespace facility {

const std::array<const char*, kAirportCount> NewAfdFiles = {
    "New\\AFCAD1_RJBB.TXT", "New\\AFCAD1_RJBD.TXT", "New\\AFCAD1_RJBT.TXT",
    "New\\AFCAD1_RJOK.TXT", "New\\AFCAD1_RJBH.TXT",
};

const std::array<const char*, kAirportCount> OrgAfdFiles = {
    "Org\\RJBB.TXT", "Org\\RJBD.TXT", "Org\\RJBT.TXT", "Org\\RJOK.TXT", "Org\\RJBH.TXT",
};

AfdWork& ProcessAfdWork() {
    static AfdWork work;
    return work;
}

}  // namespace facility
