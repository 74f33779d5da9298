#include "collector/XmlText.h"

#include <gtest/gtest.h>

namespace
{
struct SXmlTextCase
{
    std::string strInput;
    std::string strExpected;
};

class XmlText : public ::testing::TestWithParam<SXmlTextCase>
{
};
} // namespace

TEST_P(XmlText, KeepsOnlyCharactersThatXmlAllows)
{
    EXPECT_EQ(SanitizeXmlText(GetParam().strInput), GetParam().strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlText,
    ::testing::Values(
        SXmlTextCase{"Intel(R) UHD Graphics 630", "Intel(R) UHD Graphics 630"},
        SXmlTextCase{"a<b>&c\"d'", "a<b>&c\"d'"}, // markup is escaped by the writer, not here
        SXmlTextCase{"tab\tline\nreturn\r", "tab\tline\nreturn\r"},
        SXmlTextCase{std::string("nul\0byte", 8), "nulbyte"},
        SXmlTextCase{"bell\x07 escape\x1b[0m", "bell escape[0m"},
        SXmlTextCase{"Gr\xC3\xBC\xC3\x9F"
                     "e \xE2\x82\xAC \xF0\x9F\x96\xA5",
                     "Gr\xC3\xBC\xC3\x9F"
                     "e \xE2\x82\xAC \xF0\x9F\x96\xA5"},
        SXmlTextCase{"latin1 \xE9t\xE9", "latin1 \xEF\xBF\xBDt\xEF\xBF\xBD"},
        SXmlTextCase{"overlong \xC0\xAF", "overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
        SXmlTextCase{"surrogate \xED\xA0\x80", "surrogate \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        SXmlTextCase{"cut \xE2\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
        SXmlTextCase{"nonchar \xEF\xBF\xBE\xEF\xBF\xBF end", "nonchar  end"},
        SXmlTextCase{"beyond \xF4\x90\x80\x80",
                     "beyond \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        SXmlTextCase{"", ""}));
