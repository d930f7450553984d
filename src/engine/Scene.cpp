#include "Scene.h"

#include <algorithm>

void Scene::raise(int item) {
    const auto it = std::find(stacking.begin(), stacking.end(), item);
    if (it != stacking.end())
        stacking.erase(it);
    stacking.push_back(item);
}
