#!/usr/bin/env python3
"""Writes a program folder of Орвенда with N events, for timing the refresh.

    make_event_folder.py OUT N [--seed S]

OUT receives Orvenda.cfg, oriental_perls.wis (366 sayings), one saying file
of each kind and the event files: about 60 % of the events in "[fixed events]"
files, 15 % in "[float events]" files and 25 % in "[fixed events with full
date]" files, each file at most 100,000 lines long (header included). Texts
are Russian, 20 to 60 characters; days before 0..14, days after 0..3, dates
over 1900..2026. All files are Windows-1251 with CR LF, as the program writes
them. The same N and seed always give the same bytes.
"""

import argparse
import datetime
import os
import random
import sys

ENCODING = "cp1251"
MAX_FILE_LINES = 100_000
FIRST_YEAR = 1900
LAST_YEAR = 2026
FIRST_ORDINAL = datetime.date(FIRST_YEAR, 1, 1).toordinal()
LAST_ORDINAL = datetime.date(LAST_YEAR, 12, 31).toordinal()
MIN_TEXT = 20
MAX_TEXT = 60

GENITIVE_NAMES = [
    "Ивана Петровича", "Марии Сергеевны", "Анны Ивановны", "Петра Николаевича",
    "бабушки Веры", "дедушки Степана", "Ольги Дмитриевны", "Алексея Смирнова",
    "Наташи", "Серёжи", "тёти Люды", "дяди Коли", "Елены Викторовны",
    "Михаила Юрьевича", "Татьяны Павловны", "Дмитрия Орлова", "Светланы",
    "Андрея Кузнецова", "Ирины Михайловны", "Юрия Алексеевича", "Кати",
    "Владимира Соколова", "Галины Фёдоровны", "Никиты", "Людмилы Егоровны",
]
PAIRS = [
    "Ивана и Марии", "родителей", "Саши и Лены", "Петровых", "бабушки и дедушки",
    "Кузнецовых", "Оли и Димы", "соседей", "Смирновых", "Андрея и Тани",
]
DATIVE_NAMES = [
    "Ивану Петровичу", "маме", "папе", "бабушке", "Сергею", "Ольге Дмитриевне",
    "нотариусу", "врачу", "Наташе", "брату", "сестре", "начальнику отдела",
]
CITIES = [
    "Москву", "Санкт-Петербург", "Казань", "Новосибирск", "Ярославль", "Суздаль",
    "Самару", "Тверь", "Калугу", "Псков", "Иркутск", "Вологду", "Сочи",
]
PLACES = [
    "в кафе", "в парке Горького", "в библиотеке", "в офисе", "на даче", "у метро",
    "на вокзале", "в театре", "в консерватории", "у фонтана",
]
BILLS = [
    "квартиру", "интернет", "страховку машины", "налог на имущество",
    "детский сад", "кружок рисования", "телефон", "электричество",
]
TOPICS = [
    "отпуска", "ремонта", "дачи", "документов", "поездки", "подарка",
    "встречи выпускников", "договора аренды", "лечения", "переезда",
]
HOLIDAYS = [
    "Новый год", "Рождество Христово", "Старый Новый год", "Масленица",
    "День защитника Отечества", "Международный женский день", "Пасха",
    "День космонавтики", "Праздник Весны и Труда", "День Победы",
    "День России", "День знаний", "День учителя", "День народного единства",
    "Троица", "Крещение Господне", "Татьянин день", "День матери",
]
TEMPLATES = [
    "День рождения {gen}",
    "Годовщина свадьбы {pair}",
    "Именины {gen}",
    "Встреча с друзьями {place}",
    "Позвонить {dat} насчёт {topic}",
    "Оплатить {bill}",
    "Память {gen}",
    "Поездка в {city}",
    "Праздник: {holiday}",
    "Юбилей {gen}",
    "Записаться к врачу для {gen}",
    "Купить подарок для {gen}",
    "Вернуть книгу в библиотеку",
    "Техосмотр машины",
    "Заменить фильтр в водопроводе",
    "Поздравить {pair} с годовщиной",
    "Напомнить {dat} о сроках {topic}",
    "Продлить визу и загранпаспорт",
    "Отпуск: билеты в {city}",
]
DETAILS = [
    "не забыть цветы", "заранее", "обязательно", "вечером", "утром",
    "с детьми", "всей семьёй", "купить торт", "позвонить накануне",
    "взять документы", "напомнить всем", "по старому стилю",
]

FIELD_WORDS = {
    "gen": GENITIVE_NAMES, "pair": PAIRS, "dat": DATIVE_NAMES, "city": CITIES, "place": PLACES,
    "bill": BILLS, "topic": TOPICS, "holiday": HOLIDAYS,
}
# The fields each template uses, so that only those are drawn.
TEMPLATE_KEYS = {t: [k for k in FIELD_WORDS if "{" + k + "}" in t] for t in TEMPLATES}


def event_text(rng):
    template = rng.choice(TEMPLATES)
    fields = {key: rng.choice(FIELD_WORDS[key]) for key in TEMPLATE_KEYS[template]}
    text = template.format(**fields)
    # Details are added whole, so that a text never stops in the middle of one.
    target = rng.randint(max(MIN_TEXT, len(text)), MAX_TEXT)
    for _ in range(4):
        detail = rng.choice(DETAILS)
        if len(text) + 2 + len(detail) > target:
            break
        if detail not in text:
            text += ", " + detail
    for detail in sorted(DETAILS, key=len):
        if len(text) >= MIN_TEXT:
            break
        if detail not in text:
            text += ", " + detail
    return text


def random_date(rng):
    # A day picked uniformly over the whole span, so every date is a real one.
    ordinal = rng.randint(FIRST_ORDINAL, LAST_ORDINAL)
    date = datetime.date.fromordinal(ordinal)
    return date.year, date.month, date.day


def counts(rng):
    before = rng.randint(0, 14)
    after = rng.randint(0, 3)
    active = 0 if rng.random() < 0.05 else 1
    return before, after, active


def fixed_line(rng):
    year, month, day = random_date(rng)
    if rng.random() < 0.3:
        year = 0
    before, after, active = counts(rng)
    return f"{day:2d}{month:3d}{year:5d}{before:4d}{after:4d} {active} {event_text(rng)}"


def float_line(rng):
    astro = rng.randint(1, 20) if rng.random() < 0.02 else 0
    weekday = rng.randint(1, 7)
    week = rng.randint(1, 5)
    month = 0 if rng.random() < 0.05 else rng.randint(1, 12)
    year = 0 if rng.random() < 0.4 else rng.randint(FIRST_YEAR, LAST_YEAR)
    before, after, active = counts(rng)
    return (f"{astro:3d}{weekday:3d}{week:3d}{month:3d}{year:5d}{before:4d}{after:4d}"
            f" {active} {event_text(rng)}")


def full_date_line(rng):
    year, month, day = random_date(rng)
    # The editor writes "Y.m.d_H:M" for a date with a time (the hour without
    # a leading zero) and "Y.m.d" followed by six spaces for a date alone.
    if rng.random() < 0.4:
        date = f"{year}.{month:02d}.{day:02d}_{rng.randint(0, 23)}:{rng.randint(0, 59):02d}"
    else:
        date = f"{year}.{month:02d}.{day:02d}      "
    before, after, active = counts(rng)
    return f"{date}{before:4d}{after:4d} {active} {event_text(rng)}"


def write_lines(path, lines):
    with open(path, "w", encoding=ENCODING, newline="\r\n") as out:
        for line in lines:
            out.write(line)
            out.write("\n")


def write_event_files(out_dir, rng, prefix, header, make_line, count):
    names = []
    per_file = MAX_FILE_LINES - 1  # the header is a line too
    number = 1
    while count > 0:
        take = min(count, per_file)
        name = f"{prefix}_{number:02d}.evt"
        write_lines(os.path.join(out_dir, name), [header] + [make_line(rng) for _ in range(take)])
        names.append(name)
        count -= take
        number += 1
    return names


def config_lines(event_names, wisdom_names):
    lines = ["    Здесь указываются файлы событий", "[Events in]"]
    lines += event_names
    lines += ["[end list]", "", "    Здесь указываются файлы высказываний", "[Wisdom in]"]
    lines += wisdom_names
    lines += [
        "[end list]", "",
        "     Здесь указываются остальные настройки",
        "!!! исправлять можно только значения параметров !!!",
        '      (т.е. после символа "=") ',
        "",
    ]
    settings = [
        ("ConfirmExit", "False"), ("AdjustFormSize", "False"), ("LogEnable", "False"),
        ("UserLog", "True"), ("UserLogFileName", "Orvenda.log"), ("LogAppend", "True"),
        ("ColorScheme", ""), ("ShowAstroPanel", "True"), ("ToolBarShow", "True"),
        ("ToolBarShowTXT", "False"), ("ViewGroup", "True"), ("ViewDateInStr", "True"),
    ]
    lines += [f"{key:<16}= {value}" for key, value in settings]
    return lines


def sayings(rng, count):
    openings = ["Терпение и труд всё перетрут", "Тише едешь — дальше будешь",
                "Век живи — век учись", "Утро вечера мудренее",
                "Без труда не выловишь и рыбку из пруда", "Слово — серебро, молчание — золото",
                "Кто рано встаёт, тому Бог подаёт", "Не откладывай на завтра то, что можно сделать сегодня"]
    return [f"{rng.choice(openings)} ({i + 1})." for i in range(count)]


def main(argv):
    parser = argparse.ArgumentParser(description="Writes a program folder with N generated events.")
    parser.add_argument("out", help="the folder to write (created when missing)")
    parser.add_argument("events", type=int, help="how many events")
    parser.add_argument("--seed", type=int, default=2026, help="seed of the generator (default 2026)")
    args = parser.parse_args(argv)
    if args.events < 0:
        parser.error("the number of events cannot be negative")

    os.makedirs(args.out, exist_ok=True)
    rng = random.Random(f"{args.seed}:{args.events}")

    fixed = round(args.events * 0.60)
    floating = round(args.events * 0.15)
    full = args.events - fixed - floating
    event_names = []
    event_names += write_event_files(args.out, rng, "fixed", "[fixed events]", fixed_line, fixed)
    event_names += write_event_files(args.out, rng, "float", "[float events]", float_line, floating)
    event_names += write_event_files(args.out, rng, "full", "[fixed events with full date]",
                                     full_date_line, full)

    # The fixed saying file: first line ignored, the author, then one saying a day.
    write_lines(os.path.join(args.out, "oriental_perls.wis"),
                ["[wisdom by]", "Народная мудрость"] + sayings(rng, 366))
    write_lines(os.path.join(args.out, "authors.wis"),
                ["[wisdom]"] + [line for i, text in enumerate(sayings(rng, 50))
                                for line in (text, f"Автор №{i + 1}")])
    write_lines(os.path.join(args.out, "one_author.wis"),
                ["[wisdom by]", "Козьма Прутков"] + sayings(rng, 50))

    write_lines(os.path.join(args.out, "Orvenda.cfg"),
                config_lines(event_names, ["authors.wis", "one_author.wis"]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
