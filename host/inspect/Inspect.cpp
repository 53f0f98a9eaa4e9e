#include "host/inspect/Inspect.h"

#include <algorithm>

#include "host/inspect/RecordText.h"
#include "host/inspect/ResourceRecords.h"
#include "host/resources/ModuleFile.h"

namespace zvhost {

namespace {

constexpr int kInspected = 0;
constexpr int kNotAModule = 3;

// Writes the records as JSON lines or as text.
class RecordWriter {
 public:
  RecordWriter(bool json, std::ostream &out) : json_(json), out_(out) {}
  void operator()(const InspectRecord &record) {
    if (json_) {
      out_ << record.dump(-1, ' ', false, InspectRecord::error_handler_t::replace) << "\n";
    } else {
      PrintRecordText(record, out_);
    }
  }

 private:
  bool json_;
  std::ostream &out_;
};

}  // namespace

int RunInspect(const std::string &modulePath, bool json, std::ostream &out, std::ostream &err) {
  RecordWriter write(json, out);
  auto fail = [&](const std::string &reason) {
    err << "zarvel-host inspect: " << reason << std::endl;
    return kNotAModule;
  };
  try {
    const ModuleFile module(modulePath);
    const std::unique_ptr<ResourceSource> resources = module.Resources();
    write({{"kind", "module"}, {"path", modulePath}, {"format", module.Format()}});

    std::optional<PropertyList> properties;
    std::string propertyProblem;
    if (std::optional<Bytes> pipl = resources->Find(ResourceType::Named("PIPL"), 16000)) {
      try {
        properties = ParsePropertyList(*pipl);
        write(PropertyListRecord(*properties));
      } catch (const FormatError &error) {
        propertyProblem = std::string("invalid property list: ") + error.what();
        write({{"kind", "error"}, {"resource", "PIPL 16000"}, {"reason", error.what()}});
      }
    } else {
      propertyProblem = "no property list (resource PIPL 16000)";
    }

    std::vector<std::string> damaged;
    for (const InspectRecord &record : ResourceRecords(*resources)) {
      if (record["kind"] == "error") damaged.push_back(record["resource"].get<std::string>());
      write(record);
    }

    if (!properties) return fail(modulePath + ": " + propertyProblem);
    const std::vector<std::string> exports = module.Exports();
    const bool exported =
        std::find(exports.begin(), exports.end(), properties->entryPoint) != exports.end();
    write({{"kind", "entry"}, {"name", properties->entryPoint}, {"exported", exported}});
    out.flush();
    if (!exported) {
      return fail(modulePath + ": no entry point [" + properties->entryPoint +
                  "] exported by the module");
    }
    if (!damaged.empty()) {
      std::string list;
      for (const std::string &resource : damaged) list += (list.empty() ? "" : ", ") + resource;
      return fail(modulePath + ": damaged resources: " + list);
    }
    return kInspected;
  } catch (const FormatError &error) {
    out.flush();
    return fail(error.what());
  }
}

}  // namespace zvhost
