#include "export_heads.h"

#include "codes.h"

ExportHeads defaultExportHeads() {
  ExportHeads heads;
  for (size_t i = 0; i < heads.zone.size(); ++i) heads.zone[i] = codes::kZoneCaption[i];
  for (size_t i = 0; i < heads.location.size(); ++i) heads.location[i] = codes::kLocationCaption[i];
  for (size_t i = 0; i < heads.keepMiss.size(); ++i) heads.keepMiss[i] = codes::kKeepMissCaption[i];
  return heads;
}
