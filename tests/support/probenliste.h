#pragma once

// Replays what a fuzz target kept (tests/fuzz/proben/<ziel>) through its
// reader: each sample must answer the code the list beside the folder
// (tests/fuzz/proben/<ziel>.erwartet, "name code" a line) holds for it, and
// the list must name every sample and no other. With LUMETRA_PROBEN_SCHREIBEN
// set the list is written from what the samples answer now, for samples just
// added; the codes that must never be kept are refused all the same.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using Codeleser = std::function<int(const std::vector<uint8_t>&)>;

inline void ProbenAbspielen(const std::string& ziel, const Codeleser& lies, const std::function<bool(int)>& erlaubt)
{
    const std::filesystem::path ordner = std::filesystem::path(LUMETRA_SOURCE_DIR) / "tests/fuzz/proben";
    const std::filesystem::path liste = ordner / (ziel + ".erwartet");
    std::map<std::string, int> erwartet;
    {
        std::ifstream ein(liste);
        std::string name;
        int code = 0;
        while (ein >> name >> code)
            erwartet[name] = code;
    }
    const bool schreiben = std::getenv("LUMETRA_PROBEN_SCHREIBEN") != nullptr;
    std::map<std::string, int> neu;
    for (const auto& e : std::filesystem::directory_iterator(ordner / ziel)) {
        const std::string name = e.path().filename().string();
        SCOPED_TRACE(ziel + "/" + name);
        std::ifstream ein(e.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(ein), {}};
        const int code = lies(bytes);
        EXPECT_TRUE(erlaubt(code)) << code;
        neu[name] = code;
        if (schreiben)
            continue;
        const auto it = erwartet.find(name);
        if (it == erwartet.end()) {
            ADD_FAILURE() << "not in " << liste;
            continue;
        }
        EXPECT_EQ(code, it->second);
        erwartet.erase(it);
    }
    EXPECT_FALSE(neu.empty()) << ziel;
    if (schreiben) {
        std::ofstream aus(liste, std::ios::trunc);
        for (const auto& [name, code] : neu)
            aus << name << ' ' << code << '\n';
        return;
    }
    for (const auto& [name, code] : erwartet)
        ADD_FAILURE() << liste << " names " << name << ", which is not kept";
}
