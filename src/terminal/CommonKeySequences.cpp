#include "terminal/CommonKeySequences.h"

#include <curses.h>

namespace quelta::terminal {
namespace {

struct KeySequence {
    const char* sequence;
    int key;
};

constexpr KeySequence kCommonSequences[] = {
    {"\033[A", KEY_UP},        {"\033[B", KEY_DOWN},     {"\033[C", KEY_RIGHT},
    {"\033[D", KEY_LEFT},      {"\033OA", KEY_UP},       {"\033OB", KEY_DOWN},
    {"\033OC", KEY_RIGHT},     {"\033OD", KEY_LEFT},     {"\033[H", KEY_HOME},
    {"\033[F", KEY_END},       {"\033OH", KEY_HOME},     {"\033OF", KEY_END},
    {"\033[1~", KEY_HOME},     {"\033[4~", KEY_END},     {"\033[7~", KEY_HOME},
    {"\033[8~", KEY_END},      {"\033[2~", KEY_IC},      {"\033[3~", KEY_DC},
    {"\033[5~", KEY_PPAGE},    {"\033[6~", KEY_NPAGE},   {"\033[Z", KEY_BTAB},
    {"\033[1;2C", KEY_SRIGHT}, {"\033[1;2D", KEY_SLEFT}, {"\033[1;2H", KEY_SHOME},
    {"\033[1;2F", KEY_SEND},   {"\033[3;2~", KEY_SDC},   {"\033OP", KEY_F(1)},
    {"\033OQ", KEY_F(2)},      {"\033OR", KEY_F(3)},     {"\033OS", KEY_F(4)},
    {"\033[15~", KEY_F(5)},    {"\033[17~", KEY_F(6)},   {"\033[18~", KEY_F(7)},
    {"\033[19~", KEY_F(8)},    {"\033[20~", KEY_F(9)},   {"\033[21~", KEY_F(10)},
    {"\033[23~", KEY_F(11)},   {"\033[24~", KEY_F(12)},
};

}  // namespace

void defineCommonKeySequences() {
    for (const KeySequence& common : kCommonSequences)
        if (key_defined(common.sequence) == 0) define_key(common.sequence, common.key);
}

}  // namespace quelta::terminal
