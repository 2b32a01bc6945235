#include "ctl/ctl_commands.h"
#include "platform/atomic_file.h"
#include "profile/profile_files.h"
#include "profile/profile_json.h"
#include "profile/profile_store.h"

#include <iostream>
#include <iterator>

namespace q417 {

namespace {

Status failed(CtlContext& ctx, Status status) {
    ctx.err << "q417ctl: " << status.message << '\n';
    return status;
}

// The one name or file the command takes; --apply only where the command writes the data files.
Status operand(CtlContext& ctx, const char* what, bool mayApply) {
    if (ctx.operands.size() != 1) {
        return failed(ctx,
                      Status::failure(ErrorKind::Usage, std::string("give one ") + what + " (see q417ctl --help)"));
    }
    if (ctx.applyToMouse && !mayApply) {
        return failed(ctx, Status::failure(ErrorKind::Usage, "--apply goes with profile load and profile import only"));
    }
    return Status::success();
}

// The profile text of FILE, or of standard input for "-".
Status readProfileText(CtlContext& ctx, const std::string& file, std::string& text) {
    if (file != "-") {
        return readWholeFile(file, text, kMaxProfileBytes);
    }
    std::istream& in = ctx.in != nullptr ? *ctx.in : std::cin;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return Status::failure(ErrorKind::DataFile, "standard input could not be read");
    }
    return Status::success();
}

// Replaces the data files with the profile under the data folder's lock; --apply then writes the
// mouse as apply does, the lock still held so no other program's save comes between.
Status importText(CtlContext& ctx, std::string_view json, const std::string& source) {
    const DataFolderLock lock(ctx.paths.dir(), ctx.lockWait);
    if (!lock.status().ok()) {
        return failed(ctx, lock.status());
    }
    if (Status status = importProfile(ctx.paths, json); !status.ok()) {
        status.message = source + ": " + status.message;
        return failed(ctx, status);
    }
    ctx.out << "loaded " << source << '\n';
    return ctx.applyToMouse ? ctlApply(ctx) : Status::success();
}

// The profile of the data files as they are now, read under the lock so no save is half seen.
Status exportText(CtlContext& ctx, std::string& json) {
    const DataFolderLock lock(ctx.paths.dir(), ctx.lockWait);
    if (!lock.status().ok()) {
        return failed(ctx, lock.status());
    }
    if (Status status = exportProfile(ctx.paths, json); !status.ok()) {
        return failed(ctx, status);
    }
    return Status::success();
}

} // namespace

Status ctlProfileList(CtlContext& ctx) {
    if (!ctx.operands.empty() || ctx.applyToMouse) {
        return failed(ctx, Status::failure(ErrorKind::Usage, "profile list takes no name (see q417ctl --help)"));
    }
    for (const std::string& name : listProfiles(ctx.paths)) {
        ctx.out << name << '\n';
    }
    return Status::success();
}

Status ctlProfileSave(CtlContext& ctx) {
    if (Status status = operand(ctx, "profile name", false); !status.ok()) {
        return status;
    }
    const std::string& name = ctx.operands[0];
    if (Status status = checkProfileName(name); !status.ok()) {
        return failed(ctx, status);
    }
    std::string json;
    if (Status status = exportText(ctx, json); !status.ok()) {
        return status;
    }
    if (Status status = storeProfile(ctx.paths, name, json); !status.ok()) {
        return failed(ctx, status);
    }
    ctx.out << "saved profile '" << name << "'\n";
    return Status::success();
}

Status ctlProfileLoad(CtlContext& ctx) {
    if (Status status = operand(ctx, "profile name", true); !status.ok()) {
        return status;
    }
    std::string json;
    if (Status status = readStoredProfile(ctx.paths, ctx.operands[0], json); !status.ok()) {
        return failed(ctx, status);
    }
    return importText(ctx, json, "profile '" + ctx.operands[0] + "'");
}

Status ctlProfileExport(CtlContext& ctx) {
    if (Status status = operand(ctx, "file (- for standard output)", false); !status.ok()) {
        return status;
    }
    std::string json;
    if (Status status = exportText(ctx, json); !status.ok()) {
        return status;
    }
    if (ctx.operands[0] == "-") {
        ctx.out << json;
        return Status::success();
    }
    if (Status status = replaceFileAtomically(ctx.operands[0], json); !status.ok()) {
        return failed(ctx, status);
    }
    return Status::success();
}

Status ctlProfileImport(CtlContext& ctx) {
    if (Status status = operand(ctx, "file (- for standard input)", true); !status.ok()) {
        return status;
    }
    const std::string& file = ctx.operands[0];
    std::string json;
    if (Status status = readProfileText(ctx, file, json); !status.ok()) {
        return failed(ctx, status);
    }
    return importText(ctx, json, file == "-" ? std::string("standard input") : file);
}

Status ctlProfileDelete(CtlContext& ctx) {
    if (Status status = operand(ctx, "profile name", false); !status.ok()) {
        return status;
    }
    if (Status status = deleteStoredProfile(ctx.paths, ctx.operands[0]); !status.ok()) {
        return failed(ctx, status);
    }
    ctx.out << "deleted profile '" << ctx.operands[0] << "'\n";
    return Status::success();
}

} // namespace q417
