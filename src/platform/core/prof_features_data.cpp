#include "platform/core/prof_features_data.h"

#include "platform/core/levels_data.h"

void DlgProfFeaturesData::getAllLevels() {
    levels.removeAll();
    for (const VkLevel& level : drawingLevels())
        levels.append(level.name);
}
