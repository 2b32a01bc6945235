#pragma once

#include "profile/profile_data.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace q417::test {

// A setup as the program would leave it in a data folder: the record, the macros it compiled
// (so the slots agree with record.ini) and labels.
struct ProfileSetup {
    std::string name;
    ProfileData data;
};

[[nodiscard]] std::vector<ProfileSetup> profileSetups();

// Writes the setup's config.bin, record.ini and str.ini into `dir`.
void writeSetup(const TempDir& dir, const ProfileData& data);

} // namespace q417::test
