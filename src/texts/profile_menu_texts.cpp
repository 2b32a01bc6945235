#include "texts/profile_menu_texts.h"

#include "texts/localised_text.h"

namespace q417 {

namespace {

constexpr LocalisedText kMenu{.chs = "配置文件", .cht = "設定檔", .span = "Perfiles", .english = "Profiles"};
constexpr LocalisedText kSaveAs{.chs = "另存为…", .cht = "另存新檔…", .span = "Guardar como…", .english = "Save as…"};
constexpr LocalisedText kNoneSaved{.chs = "（没有已保存的配置）",
                                   .cht = "（沒有已儲存的設定檔）",
                                   .span = "(ningún perfil guardado)",
                                   .english = "(no saved profiles)"};
constexpr LocalisedText kImport{.chs = "导入…", .cht = "匯入…", .span = "Importar…", .english = "Import…"};
constexpr LocalisedText kExport{.chs = "导出…", .cht = "匯出…", .span = "Exportar…", .english = "Export…"};
constexpr LocalisedText kDelete{.chs = "删除", .cht = "刪除", .span = "Eliminar", .english = "Delete"};
constexpr LocalisedText kNameTitle{
    .chs = "保存配置", .cht = "儲存設定檔", .span = "Guardar perfil", .english = "Save profile"};
constexpr LocalisedText kNamePrompt{
    .chs = "配置名称：", .cht = "設定檔名稱：", .span = "Nombre del perfil:", .english = "Profile name:"};
constexpr LocalisedText kReplace{.chs = "已有名为“%1”的配置。要替换它吗？",
                                 .cht = "已有名為「%1」的設定檔。要取代它嗎？",
                                 .span = "Ya existe un perfil llamado «%1». ¿Reemplazarlo?",
                                 .english = "A profile named \"%1\" exists. Replace it?"};
constexpr LocalisedText kDeleteQuestion{.chs = "要删除配置“%1”吗？",
                                        .cht = "要刪除設定檔「%1」嗎？",
                                        .span = "¿Eliminar el perfil «%1»?",
                                        .english = "Delete the profile \"%1\"?"};
constexpr LocalisedText kImportTitle{
    .chs = "导入配置", .cht = "匯入設定檔", .span = "Importar perfil", .english = "Import profile"};
constexpr LocalisedText kExportTitle{
    .chs = "导出配置", .cht = "匯出設定檔", .span = "Exportar perfil", .english = "Export profile"};
constexpr LocalisedText kFilter{
    .chs = "配置文件 (*.json)", .cht = "設定檔 (*.json)", .span = "Perfiles (*.json)", .english = "Profiles (*.json)"};
constexpr LocalisedText kNotLoaded{.chs = "无法载入配置：%1",
                                   .cht = "無法載入設定檔：%1",
                                   .span = "No se pudo cargar el perfil: %1",
                                   .english = "The profile could not be loaded: %1"};
constexpr LocalisedText kNotSaved{.chs = "无法保存配置：%1",
                                  .cht = "無法儲存設定檔：%1",
                                  .span = "No se pudo guardar el perfil: %1",
                                  .english = "The profile could not be saved: %1"};
constexpr LocalisedText kNotDeleted{.chs = "无法删除配置：%1",
                                    .cht = "無法刪除設定檔：%1",
                                    .span = "No se pudo eliminar el perfil: %1",
                                    .english = "The profile could not be deleted: %1"};

} // namespace

ProfileMenuTexts profileMenuTexts(Language language) {
    return {.menu = kMenu.in(language),
            .saveAs = kSaveAs.in(language),
            .noneSaved = kNoneSaved.in(language),
            .importFile = kImport.in(language),
            .exportFile = kExport.in(language),
            .deleteMenu = kDelete.in(language),
            .nameTitle = kNameTitle.in(language),
            .namePrompt = kNamePrompt.in(language),
            .replaceQuestion = kReplace.in(language),
            .deleteQuestion = kDeleteQuestion.in(language),
            .importTitle = kImportTitle.in(language),
            .exportTitle = kExportTitle.in(language),
            .fileFilter = kFilter.in(language),
            .notLoaded = kNotLoaded.in(language),
            .notSaved = kNotSaved.in(language),
            .notDeleted = kNotDeleted.in(language)};
}

std::string fillIn(std::string_view pattern, std::string_view value) {
    std::string out(pattern);
    if (const std::size_t at = out.find("%1"); at != std::string::npos) {
        out.replace(at, 2, value);
    }
    return out;
}

} // namespace q417
