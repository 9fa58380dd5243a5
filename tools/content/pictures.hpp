// Every picture of cg/, each made by one function.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "image.hpp"

namespace content {

Image makeTitle();       // title.bmp
Image makeDawn();        // 0.jpg
Image makeMenuBack();    // 2.jpg
Image makeDay();         // 1.jpg
Image makeNight();       // night.jpg
Image makeBattle();      // battle.jpg
Image makeColdBattle();  // usa.jpg
Image makeGameOver();    // gameover.jpg
Image makeMoney();       // money.bmp

struct PictureEntry {
    std::string file;
    Image (*make)();
};

const std::vector<PictureEntry>& pictureTable();

// Writes every picture whose file name passes the filter into dir.
void writePictures(const std::filesystem::path& dir, bool (*wanted)(const std::string&));

}  // namespace content
