#include "CCommandLine.h"

namespace {
struct CCommandForm {
    std::string_view name;
    ECliCommand command;
    std::size_t fileCount;
};

constexpr CCommandForm COMMANDS[] = {
    {"dump", ECliCommand::Dump, 1},
    {"copy", ECliCommand::Copy, 2},
};
} // namespace

std::optional<CCommandLine> CCommandLine::Parse(const std::vector<std::string_view>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return CCommandLine(ECliCommand::Help, {});
    if (args.empty())
        return std::nullopt;
    for (const CCommandForm& form : COMMANDS) {
        if (args[0] != form.name || args.size() != form.fileCount + 1)
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
           "  --help, -h          この説明を表示します。\n"
           "\n"
           "終了コード: 0 成功、1 ファイルを読めないか保存できない（理由を標準エラーに 1 行）、\n"
           "            2 使い方の誤り。\n";
}
