#pragma once

// The file format shared with every other installation: the tables of the
// catalog and of a deck database. The program itself never creates or alters a
// table; only the tool that lays down the installed data runs these texts.
//
// Declared types tell the driver how to hand a field out: BOOLEAN as bool,
// INTEGER/SMALLINT as a number, BLOB as a long binary read on demand, anything
// else as text. Long binary fields stand last in their row, so reading the
// fields before them never walks a picture's overflow pages.

#include <array>
#include <string_view>

namespace velmora::schema {

inline constexpr std::array<std::string_view, 2> kCatalogTables{
    "CREATE TABLE tblStoreDeck (deckname TEXT, dbName TEXT, iscomplete BOOLEAN NOT NULL DEFAULT 0)",
    "CREATE TABLE tblUpdateDeck (Name TEXT, Database TEXT, lstDecks TEXT, lstPictures INTEGER)",
};

inline constexpr std::array<std::string_view, 4> kDeckTables{
    "CREATE TABLE tblDeckNames (deckname TEXT, maxcard INTEGER, designedby TEXT, password TEXT, status TEXT)",
    "CREATE TABLE tblCards (ID INTEGER, Name TEXT, \"Group\" SMALLINT, normalmeaning VARCHAR(360),"
    " reversedmeaning VARCHAR(360), issaved BOOLEAN NOT NULL DEFAULT 0, PictureData BLOB)",
    "CREATE TABLE tblKeywords (id INTEGER, CardID SMALLINT, keyword TEXT, cardname TEXT)",
    "CREATE TABLE tblType (Type TEXT, software TEXT, isdefault BOOLEAN NOT NULL DEFAULT 0)",
};

inline constexpr int kKeywordsPerCard = 7;
inline constexpr int kMeaningMaxLength = 360;

} // namespace velmora::schema
