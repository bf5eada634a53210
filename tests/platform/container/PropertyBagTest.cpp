#include <gtest/gtest.h>

#include "platform/container/PropertyBag.h"

namespace quelta {
namespace {

std::vector<String> keysOf(const PropertyBag& bag) {
    std::vector<String> keys;
    for (const auto& entry : bag.entries())
        keys.push_back(entry.key);
    return keys;
}

// A value equal to its default is left out; so is one that reaches the default later.
TEST(PropertyBagTest, ValuesEqualToTheirDefaultAreLeftOut) {
    struct Case {
        const char* name;
        Variant value;
        Variant defaultValue;
        bool stored;
    };
    const Case cases[] = {
        {"integer against long", Variant(std::int16_t{0}), Variant(std::int32_t{0}), false},
        {"Boolean against its number", Variant::boolean(true), Variant(std::int16_t{-1}), false},
        {"different number", Variant(std::int32_t{5}), Variant(std::int32_t{0}), true},
        {"text differs in case", Variant(u"abc"), Variant(u"ABC"), true},
        {"text against Empty", Variant(u""), Variant(), true},
        {"number text against number", Variant(u"0"), Variant(std::int32_t{0}), true},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        bag.write(u"Key", c.value, c.defaultValue);
        EXPECT_EQ(bag.contains(u"Key"), c.stored) << c.name;
        EXPECT_TRUE(sameValue(bag.read(u"Key", c.defaultValue), c.value)) << c.name;
    }
    PropertyBag bag;
    bag.write(u"Alignment", Variant(std::int16_t{2}), Variant(std::int16_t{0}));
    bag.write(u"Alignment", Variant(std::int16_t{0}), Variant(std::int16_t{0}));
    EXPECT_FALSE(bag.contains(u"Alignment")) << "writing the default must drop the old value";
}

TEST(PropertyBagTest, KeysIgnoreCase) {
    PropertyBag bag;
    bag.write(u"Straße", Variant(std::int16_t{1}));
    bag.write(u"STRASSE", Variant(std::int16_t{3}));
    EXPECT_EQ(bag.size(), 1u);
    EXPECT_EQ(bag.read(u"strasse"), Variant(std::int16_t{3}));
    EXPECT_TRUE(bag.contains(u"STRASSE")) << "full case folding";
    EXPECT_TRUE(bag.erase(u"sTrAsSe"));
    EXPECT_FALSE(bag.contains(u"Straße"));
    // The Kelvin sign folds to "k": either side of the match may be the ASCII one.
    bag.write(u"kind", Variant(std::int16_t{1}));
    EXPECT_TRUE(bag.contains(u"\u212Aind"));
    bag.clear();
    bag.write(u"\u212Aind", Variant(std::int16_t{1}));
    EXPECT_TRUE(bag.contains(u"KIND"));
}

// ASCII keys are compared by a shortcut that must still yield to the full folding wherever
// either side holds another letter, however the bag came to hold it.
TEST(PropertyBagTest, LookupsFollowRespellingErasingAndCopying) {
    PropertyBag bag;
    bag.write(u"Straße", Variant(std::int16_t{1}));
    bag.write(u"\u212Aey", Variant(std::int16_t{2}));  // Kelvin sign: folds to "key"
    PropertyBag copy = bag;
    EXPECT_EQ(copy.read(u"STRASSE"), Variant(std::int16_t{1}));
    EXPECT_EQ(copy.read(u"KEY"), Variant(std::int16_t{2}));
    bag.write(u"STRASSE", Variant(std::int16_t{3}));  // now spelled in ASCII
    EXPECT_EQ(bag.read(u"straße"), Variant(std::int16_t{3}));
    EXPECT_TRUE(bag.erase(u"key"));
    bag.write(u"Kelvin", Variant(std::int16_t{4}));
    EXPECT_EQ(bag.read(u"\u212Aelvin"), Variant(std::int16_t{4}));
}

// A watch hears the reads of its own bag that find an entry, only while it lives.
TEST(PropertyBagTest, AWatchHearsItsBagWhileItLives) {
    PropertyBag bag;
    bag.write(u"Text", Variant(u"x"));
    std::vector<String> heard;
    const PropertyBag::ReadListener listener = [&](StringView key, const PropertyBag::Entry* e) {
        if (e == &bag.entries()[0]) heard.emplace_back(key);
    };
    {
        const PropertyBag::ReadWatch watch(bag, listener);
        PropertyBag(bag).read(u"Text");
        bag.read(u"TEXT");
    }
    bag.read(u"Text");
    EXPECT_EQ(heard, std::vector<String>{u"TEXT"});
}

TEST(PropertyBagTest, EntriesKeepTheOrderOfTheirFirstWrite) {
    PropertyBag bag;
    for (const char16_t* key : {u"Text", u"Format", u"DataType", u"Alignment"}) {
        bag.write(key, Variant(u"x"));
    }
    bag.write(u"FORMAT", Variant(u"y"));
    EXPECT_EQ(keysOf(bag), (std::vector<String>{u"Text", u"FORMAT", u"DataType", u"Alignment"}));
    bag.erase(u"Text");
    bag.write(u"Text", Variant(u"z"));
    EXPECT_EQ(keysOf(bag), (std::vector<String>{u"FORMAT", u"DataType", u"Alignment", u"Text"}));
    EXPECT_EQ(bag.read(u"Alignment"), Variant(u"x")) << "the index must follow an erase";
}

TEST(PropertyBagTest, EmptyKeyIsRefused) {
    PropertyBag bag;
    EXPECT_THROW(bag.write(u"", Variant(std::int32_t{1})), AutomationError);
    EXPECT_THROW(bag.write(u"", Variant(), Variant()), AutomationError);
    EXPECT_TRUE(bag.empty());
    EXPECT_FALSE(bag.erase(u"missing"));
}

}  // namespace
}  // namespace quelta
