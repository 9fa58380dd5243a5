// The Japanese faces chosen by their glyphs, in fontconfig configurations that
// list only some font folders, and the engine refusing a face without them.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/temp_folder.h"
#include "platform/font_choice.h"
#include "platform/ttf_fonts.h"

namespace {

namespace fs = std::filesystem;
using minamori::JapaneseFonts;

const fs::path kDejaVu = "/usr/share/fonts/truetype/dejavu";
const fs::path kVlGothic = "/usr/share/fonts/truetype/vlgothic";  // fonts-vlgothic

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using Config = std::unique_ptr<FcConfig, ConfigDeleter>;

// A configuration of only these folders, its cache in the test's own folder.
class FontFolders : public ::testing::Test {
protected:
    Config load(const std::vector<fs::path>& dirs) {
        std::string xml = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
        for (const fs::path& dir : dirs) xml += "  <dir>" + dir.string() + "</dir>\n";
        xml += "  <cachedir>" + (folder.path() / "cache").string() + "</cachedir>\n</fontconfig>\n";
        const fs::path file = folder.path() / "fonts.conf";
        mtest::writeBytes(file, xml);
        Config config(FcConfigCreate());
        const auto* name = reinterpret_cast<const FcChar8*>(file.c_str());
        if (!FcConfigParseAndLoad(config.get(), name, FcTrue) || !FcConfigBuildFonts(config.get()))
            ADD_FAILURE() << "fontconfig cannot load " << file;
        return config;
    }

    void SetUp() override {
        ASSERT_TRUE(fs::exists(kDejaVu / "DejaVuSans.ttf")) << "install fonts-dejavu-core";
        ASSERT_TRUE(fs::exists(kVlGothic)) << "install fonts-vlgothic";
    }

    mtest::TempFolder folder;
};

std::string failureOf(const JapaneseFonts& faces) {
    std::string error;
    EXPECT_EQ(minamori::TtfFontEngine::create(faces, error), nullptr);
    return error;
}

TEST_F(FontFolders, WithoutJapaneseFacesNothingIsChosenAndThePackageIsNamed) {
    const Config config = load({kDejaVu});
    const JapaneseFonts faces = minamori::chooseJapaneseFonts(config.get());
    EXPECT_FALSE(faces.proportional.found()) << faces.proportional.file;
    EXPECT_FALSE(faces.fixed.found()) << faces.fixed.file;
    EXPECT_NE(failureOf(faces).find("fonts-ipafont-gothic"), std::string::npos);

    // A face fontconfig would offer for the name is refused when opened, too.
    JapaneseFonts substitute;
    substitute.proportional.file = substitute.fixed.file = (kDejaVu / "DejaVuSans.ttf").string();
    const std::string error = failureOf(substitute);
    EXPECT_NE(error.find("no Japanese glyphs"), std::string::npos) << error;
    EXPECT_NE(error.find("fonts-ipafont-gothic"), std::string::npos) << error;
}

TEST_F(FontFolders, AnotherJapaneseFaceIsTakenAndDrawsItsGlyphs) {
    const Config config = load({kDejaVu, kVlGothic});
    const JapaneseFonts faces = minamori::chooseJapaneseFonts(config.get());
    EXPECT_EQ(faces.proportional.family, "VL PGothic");
    EXPECT_EQ(faces.fixed.family, "VL Gothic");
    EXPECT_EQ(fs::path(faces.proportional.file).parent_path(), kVlGothic);
    EXPECT_EQ(fs::path(faces.fixed.file).parent_path(), kVlGothic);

    std::string error;
    const auto engine = minamori::TtfFontEngine::create(faces, error);
    ASSERT_NE(engine, nullptr) << error;
    const minamori::TextImage a = engine->render("あ", minamori::FontSpec{});
    const minamori::TextImage i = engine->render("い", minamori::FontSpec{});
    int inked = 0;
    for (const uint8_t c : a.coverage) inked += c > 128;
    EXPECT_GT(inked, 10);
    // Boxes for missing glyphs would look alike.
    EXPECT_NE(a.coverage, i.coverage);
}

TEST_F(FontFolders, AFaceOfTheOtherKindStandsInForAMissingOne) {
    const fs::path only = folder.path() / "only-proportional";
    fs::create_directories(only);
    fs::create_symlink(kVlGothic / "VL-PGothic-Regular.ttf", only / "VL-PGothic-Regular.ttf");
    const Config config = load({kDejaVu, only});
    const JapaneseFonts faces = minamori::chooseJapaneseFonts(config.get());
    EXPECT_EQ(faces.proportional.family, "VL PGothic");
    EXPECT_EQ(faces.fixed.family, "VL PGothic");
}

TEST(DefaultFonts, TheIpaFacesAreChosen) {
    const JapaneseFonts faces = minamori::chooseJapaneseFonts();
    EXPECT_EQ(faces.proportional.family, "IPAPGothic") << "install fonts-ipafont-gothic";
    EXPECT_EQ(faces.fixed.family, "IPAGothic");
    EXPECT_TRUE(fs::exists(faces.proportional.file)) << faces.proportional.file;
}

}  // namespace
