#include "CCommandLine.h"

namespace {
struct CCommandForm {
    std::string_view name;
    ECliCommand command;
    std::size_t fileCount;
    bool takesOptions = false; // then the command reads its options from the remaining words
};

constexpr CCommandForm COMMANDS[] = {
    {"dump", ECliCommand::Dump, 1},
    {"copy", ECliCommand::Copy, 2},
    {"export-csv", ECliCommand::ExportCsv, 1, true},
    {"import-csv", ECliCommand::ImportCsv, 2, true},
};
} // namespace

std::optional<CCommandLine> CCommandLine::Parse(const std::vector<std::string_view>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return CCommandLine(ECliCommand::Help, {});
    if (args.empty())
        return std::nullopt;
    for (const CCommandForm& form : COMMANDS) {
        const bool fits = form.takesOptions ? args.size() >= form.fileCount + 1
                                            : args.size() == form.fileCount + 1;
        if (args[0] != form.name || !fits)
            continue;
        return CCommandLine(form.command, std::vector<std::string>(args.begin() + 1, args.end()));
    }
    return std::nullopt;
}

std::string CCommandLine::Usage() {
    return "使い方: tarnvale-cli <コマンド> <ファイル>...\n"
           "\n"
           "  dump ファイル       アドレス帳を JSON（UTF-8）で標準出力に書き出します。\n"
           "                      {\"groups\": [{\"name\"}...], \"persons\": [{\"name\", \"zip\", "
           "...,\n"
           "                      \"sex\", \"groups\": [グループの番号...]}...]}\n"
           "  copy 入力 出力      入力のアドレス帳を読み込んで出力に保存します。\n"
           "                      出力が既にあれば「出力.bak」に残してから置き換えます。\n"
           "  export-csv ファイル [--fields 一覧] [--group 名前] [--encoding cp932|utf-8]\n"
           "             [--output 出力]\n"
           "                      人物を CSV で標準出力（または出力）に書き出します。一覧は\n"
           "                      項目番号 0-10 をコンマで区切った書き出し順（既定 0,1,...,10）。\n"
           "  import-csv CSV 出力 [--map 一覧] [--add] [--encoding auto|cp932|utf-8]\n"
           "             [--header] [--rfc4180] [--replace-unencodable]\n"
           "                      CSV の各行を人物として出力に保存します。一覧は項目 0-10 の\n"
           "                      順に、元になる CSV の列番号（0 から）か「-」。--add で出力に\n"
           "                      追加します。\n"
           "  --help, -h          この説明を表示します。\n"
           "\n"
           "終了コード: 0 成功、1 ファイルを読めないか保存できない（理由を標準エラーに 1 行）、\n"
           "            2 使い方の誤り。\n";
}
