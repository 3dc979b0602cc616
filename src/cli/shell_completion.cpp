#include "shell_completion.h"

#include "command_table.h"

#include "core/image/setting_catalog.h"
#include "core/image/setting_fields.h"

#include <QStringList>

namespace quorvel {

namespace {

struct KeyWords {
    QString key;
    QStringList words;
};

QStringList settingKeys() {
    QStringList keys;
    for (const Setting& s : settingCatalog())
        keys << s.key;
    return keys;
}

// The words of each setting with named choices, as the catalog prints them, so that what is
// offered is what set reads back.
QList<KeyWords> choiceWords() {
    QList<KeyWords> list;
    for (const Setting& s : settingCatalog()) {
        const Field* f = fieldOfKey(s.key.toLatin1().constData());
        if (!f || (f->kind != FieldKind::Choice && f->kind != FieldKind::Flag))
            continue;
        QStringList words;
        for (const NamedCode& choice : f->choices) {
            SettingsImage image{};
            setFieldValue(image, f->id, choice.code);
            words << s.text(image);
        }
        list.append({s.key, words});
    }
    return list;
}

QStringList globsOf(Operand operand) {
    switch (operand) {
    case Operand::SettingsFile:
        return {QStringLiteral("*.msr")};
    case Operand::Profile:
        return {QStringLiteral("*.json")};
    case Operand::SettingsOrProfile:
        return {QStringLiteral("*.msr"), QStringLiteral("*.json")};
    case Operand::Key:
    case Operand::Assignments:
        break;
    }
    return {};
}

// A word in single quotes for bash and zsh.
QString quoted(const QString& word) {
    return u'\'' + QString(word).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

QString fishQuoted(const QString& word) {
    return u'\'' +
           QString(word)
               .replace(u'\\', QStringLiteral("\\\\"))
               .replace(u'\'', QStringLiteral("\\'")) +
           u'\'';
}

QString quotedAll(const QStringList& words) {
    QStringList each;
    for (const QString& word : words)
        each << quoted(word);
    return each.join(u' ');
}

QStringList commandNames() {
    QStringList names;
    for (const CliCommand& command : cliCommands())
        names << QString::fromLatin1(command.name);
    return names;
}

QString bashScript() {
    QString s =
        QStringLiteral("# bash completion for quorvel-cli; made by quorvel-cli --completion bash\n"
                       "_quorvel_cli_keys=%1\n"
                       "\n"
                       "_quorvel_cli_choices() {\n"
                       "    case ${1,,} in\n")
            .arg(quoted(settingKeys().join(u' ')));
    for (const KeyWords& k : choiceWords())
        s += QStringLiteral("    %1) echo %2 ;;\n").arg(quoted(k.key), quoted(k.words.join(u' ')));
    s += QStringLiteral(
             "    esac\n"
             "}\n"
             "\n"
             "_quorvel_cli_files() {\n"
             "    local IFS=$'\\n' glob\n"
             "    COMPREPLY+=($(compgen -d -- \"$cur\"))\n"
             "    for glob; do COMPREPLY+=($(compgen -f -X \"!$glob\" -- \"$cur\")); done\n"
             "    compopt -o filenames 2>/dev/null\n"
             "}\n"
             "\n"
             "# KEY=VALUE, split at '=' or not as COMP_WORDBREAKS says.\n"
             "_quorvel_cli_assignment() {\n"
             "    local key value prefix=\n"
             "    if [[ $cur == = ]]; then key=$prev value=\n"
             "    elif [[ $prev == = ]]; then key=${COMP_WORDS[COMP_CWORD-2]} value=$cur\n"
             "    elif [[ $cur == *=* ]]; then key=${cur%%=*} value=${cur#*=} prefix=$key=\n"
             "    else\n"
             "        COMPREPLY=($(compgen -S = -W \"$_quorvel_cli_keys\" -- \"$cur\"))\n"
             "        compopt -o nospace 2>/dev/null\n"
             "        return\n"
             "    fi\n"
             "    COMPREPLY=($(compgen -P \"$prefix\" -W \"$(_quorvel_cli_choices \"$key\")\" -- "
             "\"$value\"))\n"
             "}\n"
             "\n"
             "_quorvel_cli() {\n"
             "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
             "    COMPREPLY=()\n"
             "    if ((COMP_CWORD == 1)); then\n"
             "        COMPREPLY=($(compgen -W %1 -- \"$cur\"))\n"
             "        return\n"
             "    fi\n"
             "    local options= valued= operands=()\n"
             "    case ${COMP_WORDS[1]} in\n")
             .arg(quoted((commandNames() << QStringLiteral("--help") << QStringLiteral("--version"))
                             .join(u' ')));
    QString arguments;
    for (const CliCommand& command : cliCommands()) {
        QStringList options;
        QStringList valued;
        for (const CliOption& option : command.options) {
            options << QString::fromLatin1(option.name);
            if (option.argument == OptionArgument::None)
                continue;
            valued << QString::fromLatin1(option.name);
            arguments += QStringLiteral("        %1) %2 ;;\n")
                             .arg(quoted(QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                                                     QLatin1String(option.name))),
                                  option.files ? QStringLiteral("_quorvel_cli_files %1; return")
                                                     .arg(quoted(QString::fromLatin1(option.files)))
                                               : QStringLiteral("return"));
        }
        QStringList operands;
        for (const Operand operand : command.operands) {
            static const char* const kinds[] = {"file", "profile", "either", "key", "assign"};
            operands << QString::fromLatin1(kinds[static_cast<int>(operand)]);
        }
        s += QStringLiteral("        %1) options=%2 valued=%3 operands=(%4) ;;\n")
                 .arg(QLatin1String(command.name), quoted(options.join(u' ')),
                      quoted(valued.join(u' ')), operands.join(u' '));
    }
    s += QStringLiteral("        *) return ;;\n"
                        "    esac\n"
                        "    case \"${COMP_WORDS[1]} $prev\" in\n") +
         arguments +
         QStringLiteral(
             "    esac\n"
             "    local i n=0 ended=\n"
             "    for ((i = 2; i < COMP_CWORD; i++)); do\n"
             "        if [[ -z $ended && ${COMP_WORDS[i]} == -- ]]; then ended=1\n"
             "        elif [[ -z $ended && ${COMP_WORDS[i]} == -?* ]]; then\n"
             "            [[ \" $valued \" == *\" ${COMP_WORDS[i]} \"* ]] && ((i++))\n"
             "        else ((n++)); fi\n"
             "    done\n"
             "    if [[ -z $ended && $cur == -* ]]; then\n"
             "        COMPREPLY=($(compgen -W \"$options --help\" -- \"$cur\"))\n"
             "        return\n"
             "    fi\n"
             "    local kind=${operands[n]-}\n"
             "    # The last operand may repeat: KEY=VALUE...\n"
             "    if ((${#operands[@]} && n >= ${#operands[@]})) && [[ ${operands[-1]} == assign "
             "]]; then kind=assign; fi\n"
             "    case $kind in\n"
             "        file) _quorvel_cli_files '*.msr' ;;\n"
             "        profile) _quorvel_cli_files '*.json' ;;\n"
             "        either) _quorvel_cli_files '*.msr' '*.json' ;;\n"
             "        key) COMPREPLY=($(compgen -W \"$_quorvel_cli_keys\" -- \"$cur\")) ;;\n"
             "        assign) _quorvel_cli_assignment ;;\n"
             "    esac\n"
             "}\n"
             "complete -F _quorvel_cli quorvel-cli\n");
    return s;
}

// What _arguments offers for a file of these globs.
QString zshFiles(const QStringList& globs) {
    if (globs.size() == 1)
        return QStringLiteral("_files -g \"%1\"").arg(globs.first());
    QStringList extensions;
    for (const QString& glob : globs)
        extensions << glob.mid(2);
    return QStringLiteral("_files -g \"*.(%1)\"").arg(extensions.join(u'|'));
}

QString zshHelp(const char* text) {
    return QString::fromLatin1(text)
        .replace(u'[', QStringLiteral("\\["))
        .replace(u']', QStringLiteral("\\]"));
}

QString zshScript() {
    QString s =
        QStringLiteral("#compdef quorvel-cli\n"
                       "# zsh completion for quorvel-cli; made by quorvel-cli --completion zsh\n"
                       "\n"
                       "_quorvel_cli_assignment() {\n"
                       "    if compset -P '*='; then\n"
                       "        case ${(L)IPREFIX%=} in\n");
    for (const KeyWords& k : choiceWords())
        s +=
            QStringLiteral("        %1) compadd -- %2 ;;\n").arg(quoted(k.key), quotedAll(k.words));
    s +=
        QStringLiteral(
            "        esac\n"
            "    else\n"
            "        compadd -S '=' -- %1\n"
            "    fi\n"
            "}\n"
            "\n"
            "_quorvel-cli() {\n"
            "    local curcontext=$curcontext state line\n"
            "    typeset -A opt_args\n"
            "    _arguments -C '(- :)--help[show the help]' '(- :)--version[show the version]' \\\n"
            "        '1:command:->command' '*::argument:->argument' && return\n"
            "    case $state in\n"
            "    command)\n"
            "        local -a commands\n"
            "        commands=(\n")
            .arg(quotedAll(settingKeys()));
    for (const CliCommand& command : cliCommands())
        s += QStringLiteral("            %1\n")
                 .arg(quoted(QStringLiteral("%1:%2").arg(QLatin1String(command.name),
                                                         QLatin1String(command.summary))));
    s += QStringLiteral("        )\n"
                        "        _describe -t commands command commands ;;\n"
                        "    argument)\n"
                        "        case $line[1] in\n");
    for (const CliCommand& command : cliCommands()) {
        QStringList descriptions{quoted(QStringLiteral("--help[show the help of the command]"))};
        for (const CliOption& option : command.options) {
            QString description =
                QStringLiteral("%1[%2]").arg(QLatin1String(option.name), zshHelp(option.help));
            if (option.argument != OptionArgument::None)
                description += QStringLiteral(":value:") +
                               (option.files ? zshFiles({QString::fromLatin1(option.files)})
                                             : QStringLiteral(" "));
            descriptions << quoted(description);
        }
        int position = 0;
        for (const Operand operand : command.operands) {
            ++position;
            if (operand == Operand::Key)
                descriptions << quoted(
                    QStringLiteral("%1:key:(%2)").arg(position).arg(settingKeys().join(u' ')));
            else if (operand == Operand::Assignments)
                descriptions << quoted(QStringLiteral("*:assignment:_quorvel_cli_assignment"));
            else
                descriptions << quoted(
                    QStringLiteral("%1:file:%2").arg(position).arg(zshFiles(globsOf(operand))));
        }
        s += QStringLiteral("        %1) _arguments %2 ;;\n")
                 .arg(QLatin1String(command.name), descriptions.join(u' '));
    }
    s += QStringLiteral("        esac ;;\n"
                        "    esac\n"
                        "}\n"
                        "\n"
                        "_quorvel-cli \"$@\"\n");
    return s;
}

QString fishScript() {
    QString s =
        QStringLiteral("# fish completion for quorvel-cli; made by quorvel-cli --completion fish\n"
                       "\n"
                       "function __quorvel_cli_assignments\n"
                       "    set -l token (commandline -ct)\n"
                       "    if string match -q -- '*=*' $token\n"
                       "        set -l key (string split -m 1 = -- $token)[1]\n"
                       "        switch (string lower -- $key)\n");
    for (const KeyWords& k : choiceWords()) {
        QStringList words;
        for (const QString& word : k.words)
            words << fishQuoted(word);
        s += QStringLiteral("            case %1\n                printf '%s\\n' $key=%2\n")
                 .arg(fishQuoted(k.key), words.join(QStringLiteral(" $key=")));
    }
    s += QStringLiteral(
             "        end\n"
             "    else\n"
             "        printf '%s=\\n' %1\n"
             "    end\n"
             "end\n"
             "\n"
             "complete -c quorvel-cli -f\n"
             "complete -c quorvel-cli -n __fish_use_subcommand -l help -d 'show the help'\n"
             "complete -c quorvel-cli -n __fish_use_subcommand -l version -d 'show the version'\n")
             .arg(settingKeys().join(u' '));
    for (const CliCommand& command : cliCommands()) {
        const QString name = QString::fromLatin1(command.name);
        const QString when =
            QStringLiteral("complete -c quorvel-cli -n '__fish_seen_subcommand_from %1'").arg(name);
        s += QStringLiteral("complete -c quorvel-cli -n __fish_use_subcommand -a %1 -d %2\n")
                 .arg(name, fishQuoted(QString::fromLatin1(command.summary)));
        for (const CliOption& option : command.options) {
            const QString o = QString::fromLatin1(option.name);
            QString line =
                when + (o.startsWith(QLatin1String("--")) ? QStringLiteral(" -l ") + o.mid(2)
                                                          : QStringLiteral(" -s ") + o.mid(1));
            if (option.files)
                line += QStringLiteral(" -r -k -a '(__fish_complete_suffix %1)'")
                            .arg(QString::fromLatin1(option.files).mid(1));
            else if (option.argument != OptionArgument::None)
                line += QStringLiteral(" -x");
            s += line + QStringLiteral(" -d ") + fishQuoted(QString::fromLatin1(option.help)) +
                 u'\n';
        }
        QStringList globs;
        for (const Operand operand : command.operands) {
            for (const QString& glob : globsOf(operand))
                if (!globs.contains(glob))
                    globs << glob;
            if (operand == Operand::Key)
                s += when + QStringLiteral(" -a %1\n").arg(fishQuoted(settingKeys().join(u' ')));
            else if (operand == Operand::Assignments)
                s += when + QStringLiteral(" -a '(__quorvel_cli_assignments)'\n");
        }
        for (const QString& glob : std::as_const(globs))
            s += when + QStringLiteral(" -k -a '(__fish_complete_suffix %1)'\n").arg(glob.mid(1));
    }
    return s;
}

} // namespace

QString completionScript(const QString& shell) {
    if (shell == QLatin1String("bash"))
        return bashScript();
    if (shell == QLatin1String("zsh"))
        return zshScript();
    if (shell == QLatin1String("fish"))
        return fishScript();
    return {};
}

} // namespace quorvel
