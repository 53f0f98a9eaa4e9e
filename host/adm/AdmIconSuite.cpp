// "ADM Icon Suite" versions 1 and 2: pictures of the module, by resource id.
#include <algorithm>

#include "ADMIconSuite.h"
#include "host/adm/AdmSuites.h"
#include "host/resources/PngInfo.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMIconSuite;

ADMIconRef ZV_API GetFromResource(HostPluginRef plugin, const char *, int32_t iconID, int32_t) {
  ZV_ADM_FAILPOINT(GetFromResource, nullptr);
  const ResourceSource *resources = DialogManager::ResourcesOf(plugin);
  if (resources == nullptr || iconID < 0 || iconID > UINT16_MAX) return nullptr;
  std::optional<Bytes> data =
      resources->Find(ResourceType::Named("PNGI"), static_cast<uint16_t>(iconID));
  if (!data) return nullptr;
  auto icon = std::make_unique<Icon>();
  try {
    PngInfo info = ParsePng(*data, "picture " + std::to_string(iconID));
    icon->width = static_cast<int32_t>(info.width);
    icon->height = static_cast<int32_t>(info.height);
  } catch (const FormatError &error) {
    DialogManager::Note(std::string(error.what()) + "; no icon was made");
    return nullptr;
  }
  icon->resourceID = iconID;
  DialogManager &manager = DialogManager::The();
  manager.Icons().icons.push_back(std::move(icon));
  return manager.Handles().Add(manager.Icons().icons.back().get());
}

void ZV_API Destroy(ADMIconRef ref) {
  ZV_ADM_FAILPOINT(Destroy, );
  Icon *icon = ZV_ADM_FIND(Icon, ref, Destroy);
  if (icon == nullptr) return;
  DialogManager &manager = DialogManager::The();
  manager.Handles().Remove<Icon>(ref);
  std::erase_if(manager.Icons().icons, [icon](const auto &held) { return held.get() == icon; });
}

int32_t ZV_API GetWidth(ADMIconRef ref) {
  ZV_ADM_FAILPOINT(GetWidth, 0);
  Icon *icon = ZV_ADM_FIND(Icon, ref, GetWidth);
  return icon != nullptr ? icon->width : 0;
}

int32_t ZV_API GetHeight(ADMIconRef ref) {
  ZV_ADM_FAILPOINT(GetHeight, 0);
  Icon *icon = ZV_ADM_FIND(Icon, ref, GetHeight);
  return icon != nullptr ? icon->height : 0;
}

#define ICON_OPERATIONS(X) X(GetFromResource) X(Destroy) X(GetWidth) X(GetHeight)

const ADMIconSuite kTable = {ICON_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmIconSuites(SuiteRegistry &suites) {
  for (int32_t version : {kADMIconSuiteVersion1, kADMIconSuiteVersion2}) {
    suites.Offer(kSuite, version, &kTable, {ICON_OPERATIONS(ZV_OPERATION_NAME)});
  }
}

}  // namespace zvhost
