// What a save writes as "?" because CP932 cannot hold it, told once after
// the save so that nobody finds out from the spreadsheet.
#pragma once

#include <string>

#include "match.h"

// "CP932 で表せない文字を ? で保存しました: 𠮷 (チーム1 3行 氏名)", naming
// each text of the match that lost characters; empty when none did.
std::string cp932LossNotice(const Match& m);
