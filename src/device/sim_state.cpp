#include "device/sim_state.h"

#include "platform/atomic_file.h"

#include <cerrno>
#include <nlohmann/json.hpp>
#include <system_error>

namespace q417 {

namespace {

using nlohmann::json;

// Far more than a full state takes; guards against loading something absurd.
constexpr std::size_t kMaxStateFileBytes = 1 << 20;

class AreaReader {
public:
    explicit AreaReader(const json& root)
        : root_(root) {}

    template <typename T> bool read(const char* key, T& out) {
        const auto it = root_.find(key);
        if (it == root_.end()) {
            return true;
        }
        T value{};
        if (!convert(*it, value, std::string("\"") + key + "\"")) {
            return false;
        }
        out = value;
        return true;
    }

    [[nodiscard]] const std::string& error() const { return error_; }

private:
    bool convert(const json& v, std::uint8_t& out, const std::string& where) {
        if (!v.is_number_integer()) {
            return fail(where + " must be a whole number 0..255");
        }
        if (!v.is_number_unsigned() || v.get<std::uint64_t>() > 0xFF) {
            return fail(where + " is " + v.dump() + ", outside 0..255");
        }
        out = static_cast<std::uint8_t>(v.get<std::uint64_t>());
        return true;
    }

    template <typename Element, std::size_t N>
    bool convert(const json& v, std::array<Element, N>& out, const std::string& where) {
        if (!v.is_array() || v.size() != N) {
            return fail(where + " must be an array of " + std::to_string(N) + " entries");
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (!convert(v[i], out[i], where + "[" + std::to_string(i) + "]")) {
                return false;
            }
        }
        return true;
    }

    bool fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    const json& root_;
    std::string error_;
};

// One row per line keeps large areas readable and their diffs small.
template <typename Rows> std::string rowsJson(const Rows& rows) {
    std::string text = "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += "    " + json(rows[i]).dump() + (i + 1 < rows.size() ? ",\n" : "\n");
    }
    return text + "  ]";
}

} // namespace

Status parseSimState(std::string_view text, SimulatedMouseMemory& memory) {
    try {
        const json root = json::parse(text, nullptr, false);
        if (root.is_discarded()) {
            return Status::failure(ErrorKind::DataFile, "simulator state is not valid JSON");
        }
        if (!root.is_object()) {
            return Status::failure(ErrorKind::DataFile, "simulator state must be a JSON object");
        }
        SimulatedMouseMemory next = memory;
        AreaReader reader(root);
        const bool ok = reader.read("sensorBlock", next.sensorBlock) && reader.read("reportRate", next.reportRate) &&
                        reader.read("effectBlock", next.effectBlock) && reader.read("ledParams", next.ledParams) &&
                        reader.read("configBlocks", next.configBlocks) && reader.read("dpiStages", next.dpiStages) &&
                        reader.read("keyMatrices", next.keyMatrices) && reader.read("macroSlots", next.macroSlots);
        if (!ok) {
            return Status::failure(ErrorKind::DataFile, "simulator state: " + reader.error());
        }
        memory = next;
        return Status::success();
    } catch (const json::exception& e) {
        return Status::failure(ErrorKind::DataFile, std::string("simulator state: ") + e.what());
    }
}

std::string simStateJson(const SimulatedMouseMemory& memory) {
    std::string text = "{\n";
    text += "  \"sensorBlock\": " + json(memory.sensorBlock).dump() + ",\n";
    text += "  \"reportRate\": " + std::to_string(memory.reportRate) + ",\n";
    text += "  \"effectBlock\": " + json(memory.effectBlock).dump() + ",\n";
    text += "  \"ledParams\": " + rowsJson(memory.ledParams) + ",\n";
    text += "  \"configBlocks\": " + rowsJson(memory.configBlocks) + ",\n";
    text += "  \"dpiStages\": " + json(memory.dpiStages).dump() + ",\n";
    text += "  \"keyMatrices\": " + rowsJson(memory.keyMatrices) + ",\n";
    text += "  \"macroSlots\": " + rowsJson(memory.macroSlots) + "\n";
    return text + "}\n";
}

Status loadSimState(const std::filesystem::path& path, SimulatedMouseMemory& memory) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) {
        // Said now, before the mouse is used, rather than found when its memory is to be kept.
        const std::filesystem::path folder = folderOf(path);
        if (!std::filesystem::is_directory(folder, ec)) {
            return Status::failure(ErrorKind::DataFile,
                                   "cannot keep the simulator state in " + path.string() + ": the folder " +
                                       folder.string() + " does not exist",
                                   ENOENT);
        }
        memory = factoryMouseMemory();
        return Status::success();
    }
    std::string text;
    Status read = readWholeFile(path, text, kMaxStateFileBytes + 1);
    if (!read.ok()) {
        return Status::failure(ErrorKind::DataFile, read.message, read.systemError);
    }
    if (text.size() > kMaxStateFileBytes) {
        return Status::failure(ErrorKind::DataFile, path.string() + " is too large for a simulator state");
    }
    SimulatedMouseMemory next = factoryMouseMemory();
    Status parsed = parseSimState(text, next);
    if (!parsed.ok()) {
        parsed.message = path.string() + ": " + parsed.message;
        return parsed;
    }
    memory = next;
    return Status::success();
}

Status saveSimState(const std::filesystem::path& path, const SimulatedMouseMemory& memory) {
    try {
        Status saved = replaceFileAtomically(path, simStateJson(memory));
        if (!saved.ok()) {
            saved.message = "simulator state not kept: " + saved.message;
        }
        return saved;
    } catch (const json::exception& e) {
        return Status::failure(ErrorKind::DataFile, path.string() + ": " + e.what());
    }
}

} // namespace q417
