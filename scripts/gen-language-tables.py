#!/usr/bin/python3
"""Writes the language tables in data/lang/ from CLDR names through ICU.

Each table maps a service language code to its name in the 13 interface
languages of the columns. The codes, their order and their oddities are what
the services and the stored settings expect: keep them as they are.

    scripts/gen-language-tables.py            write data/lang/*.csv
    scripts/gen-language-tables.py --check    exit 1 if a committed file differs

Needs Debian's python3-icu (scripts/install-deps.sh --art).
"""
import os
import re
import sys

import icu

# Columns 2..14: the interface languages, in column order.
COLUMNS = ["zh_Hans", "en", "id", "ko", "zh_Hant", "ja", "vi", "th", "es", "it", "ms", "hi", "ru"]

HEADER_TAIL = ["代号", "识别语种", "英文", "印尼文", "韩语", "中文繁体", "日语", "越南语", "泰语",
               "西班牙语", "意大利语", "马来西亚语", "印地语", "俄语"]
HEADER_IDENTIFY = ["语音翻译 - 语音识别"] + HEADER_TAIL
HEADER_TRANSLATE = ["语音翻译 - 翻译语种"] + HEADER_TAIL
HEADER_OCR = list(HEADER_IDENTIFY)
HEADER_OCR[6:11] = ["識別語種", "言語を識別する", "Nhận dạng ngôn ngữ", "การระบุภาษา", "Identificar idioma"]

# ---------------------------------------------------------------------------
# Names CLDR does not have. Columns missing here fall back to the English name.
HAND = {
    "jy": {"zh_Hans": "jy", "en": "jy"},  # iFlytek code of unknown language: shown as the code
    "kek": {"zh_Hans": "凯克奇语", "zh_Hant": "凱克奇語", "en": "Qʼeqchiʼ"},
    "mww": {"zh_Hans": "白苗文", "zh_Hant": "白苗文", "en": "Hmong Daw"},
    "otq": {"zh_Hans": "克雷塔罗奥托米语", "zh_Hant": "克雷塔羅奧托米語", "en": "Querétaro Otomi"},
    "yua": {"zh_Hans": "尤卡坦玛雅语", "zh_Hant": "猶加敦馬雅語", "en": "Yucatec Maya",
            "es": "maya yucateco"},
    "gom": {"zh_Hans": "果阿孔卡尼语", "en": "Goan Konkani"},
    "lzh": {"zh_Hans": "文言文", "en": "Literary Chinese"},
    "mrj": {"zh_Hans": "山地马里语", "en": "Hill Mari"},
    "prs": {"zh_Hant": "達利語"},
    # Languages of India, Nepal and Siberia read by the cloud OCR.
    "bfy": {"zh_Hans": "巴盖利语", "en": "Bagheli"},
    "bfz": {"zh_Hans": "马哈苏帕哈里语", "en": "Mahasu Pahari"},
    "bgc": {"zh_Hans": "哈里亚纳语", "en": "Haryanvi"},
    "bns": {"zh_Hans": "本德尔坎德语", "en": "Bundeli"},
    "cnr": {"zh_Hans": "黑山语", "zh_Hant": "蒙特內哥羅語", "en": "Montenegrin"},
    "dhi": {"zh_Hans": "迪马尔语", "en": "Dhimal"},
    "gvr": {"zh_Hans": "古隆语", "en": "Gurung"},
    "hlb": {"zh_Hans": "哈尔比语", "en": "Halbi"},
    "hne": {"zh_Hans": "恰蒂斯加尔语", "en": "Chhattisgarhi"},
    "hni": {"zh_Hans": "哈尼语", "zh_Hant": "哈尼語", "en": "Hani"},
    "hoc": {"zh_Hans": "霍语", "en": "Ho"},
    "jns": {"zh_Hans": "贾恩萨里语", "en": "Jaunsari"},
    "kfq": {"zh_Hans": "科尔库语", "en": "Korku"},
    "klr": {"zh_Hans": "卡林语", "en": "Khaling"},
    "kmj": {"zh_Hans": "库马尔巴格帕哈里亚语", "en": "Kumarbhag Paharia"},
    "kpy": {"zh_Hans": "科里亚克语", "zh_Hant": "科里亞克語", "en": "Koryak", "ru": "корякский"},
    "rab": {"zh_Hans": "昌林语", "en": "Chamling"},
    "sck": {"zh_Hans": "萨德里语", "en": "Sadri"},
    "srx": {"zh_Hans": "锡尔毛里语", "en": "Sirmauri"},
    "thf": {"zh_Hans": "塘米语", "en": "Thangmi"},
    "xnr": {"zh_Hans": "康格里语", "en": "Kangri"},
    "xsr": {"zh_Hans": "夏尔巴语", "zh_Hant": "雪巴語", "en": "Sherpa"},
}

# Scripts CLDR does not name, by their own name.
SCRIPTS = {"Piqd": "pIqaD"}

# Chinese dialects of the mainland dictation: CLDR names none of these places.
DIALECTS = {
    "henan": {"zh_Hans": "河南话", "en": "Henan dialect", "id": "Dialek Henan", "ko": "허난 방언",
              "zh_Hant": "河南話", "ja": "河南語", "vi": "Phương ngữ Hà Nam",
              "th": "ภาษาถิ่นเหอหนาน", "es": "dialecto de Henan", "it": "dialetto dello Henan",
              "ms": "Dialek Henan", "hi": "हेनान बोली", "ru": "хэнаньский диалект"},
    "shanghai": {"zh_Hans": "上海话", "en": "Shanghainese", "id": "Dialek Shanghai",
                 "ko": "상하이 방언", "zh_Hant": "上海話", "ja": "上海語",
                 "vi": "Tiếng Thượng Hải", "th": "ภาษาเซี่ยงไฮ้", "es": "shanghainés",
                 "it": "shanghainese", "ms": "Dialek Shanghai", "hi": "शंघाई बोली",
                 "ru": "шанхайский диалект"},
    "nanchang": {"zh_Hans": "南昌话", "en": "Nanchang dialect", "id": "Dialek Nanchang",
                 "ko": "난창 방언", "zh_Hant": "南昌話", "ja": "南昌語",
                 "vi": "Phương ngữ Nam Xương", "th": "ภาษาถิ่นหนานชาง",
                 "es": "dialecto de Nanchang", "it": "dialetto di Nanchang",
                 "ms": "Dialek Nanchang", "hi": "नानचांग बोली", "ru": "наньчанский диалект"},
    "sichuan": {"zh_Hans": "四川话", "en": "Sichuan dialect", "id": "Dialek Sichuan",
                "ko": "쓰촨 방언", "zh_Hant": "四川話", "ja": "四川語",
                "vi": "Phương ngữ Tứ Xuyên", "th": "ภาษาถิ่นเสฉวน",
                "es": "dialecto de Sichuan", "it": "dialetto del Sichuan",
                "ms": "Dialek Sichuan", "hi": "सिचुआन बोली", "ru": "сычуаньский диалект"},
    "wuhan": {"zh_Hans": "武汉话", "en": "Wuhan dialect", "id": "Dialek Wuhan", "ko": "우한 방언",
              "zh_Hant": "武漢話", "ja": "武漢語", "vi": "Phương ngữ Vũ Hán",
              "th": "ภาษาถิ่นอู่ฮั่น", "es": "dialecto de Wuhan", "it": "dialetto di Wuhan",
              "ms": "Dialek Wuhan", "hi": "वुहान बोली", "ru": "уханьский диалект"},
}

DIALECT_CITIES = ["贵阳话", "昆明话", "西安话", "郑州话", "太原话", "兰州话", "银川话", "西宁话", "南京话",
                  "合肥话", "长沙话", "苏州话", "杭州话", "济南话", "天津话", "黑龙江话", "吉林话", "辽宁话"]

# Service codes that are not the CLDR locale of their language.
LOCALE_OF = {
    "cn": "zh_Hans", "cht": "zh_Hant", "zh-Hans": "zh_Hans", "zh-Hant": "zh_Hant",
    "uy": "ug",        # the iFlytek code for Uyghur
    "ku": "ckb",       # the translator's "ku" is Central Kurdish
    "MANDARIN": "zh", "en_us": "en", "TTT": "ne", "ar_il": "ar", "ru-ru": "ru",
}


def locale_id(code):
    code = code.strip()
    if code in LOCALE_OF:
        return LOCALE_OF[code]
    if code.lower() in HAND:
        return code.lower()
    parts = code.replace("-", "_").split("_")
    out = [parts[0].lower()]
    for p in parts[1:]:
        out.append(p.title() if len(p) == 4 else p.upper())
    return "_".join(out)


def icu_name(loc_id, col):
    """CLDR's name of loc_id in col, or None when CLDR has no name for the language."""
    loc = icu.Locale(loc_id)
    display = icu.Locale(col)
    if loc.getDisplayLanguage(display) == loc.getLanguage():
        return None
    name = loc.getDisplayName(display)
    if "," in name:
        # The tables cannot carry a comma: "Chinese (Hong Kong SAR, China)" keeps
        # the first part of its qualifier.
        name = re.sub(r",[^()]*\)", ")", name)
    # A script CLDR does not name shows as its code.
    script = loc.getScript()
    if script and loc.getDisplayScript(display) == script:
        if script not in SCRIPTS:
            return None
        base = icu.Locale(loc.getLanguage()).getDisplayName(display)
        return ("%s（%s）" if col.startswith("zh") else "%s (%s)") % (base, SCRIPTS[script])
    return name


def with_script(base, loc_id, col):
    loc = icu.Locale(loc_id)
    script = loc.getDisplayScript(icu.Locale(col))
    return ("%s（%s）" if col.startswith("zh") else "%s (%s)") % (base, script)


def hand_name(loc_id, col):
    key = loc_id.lower()
    if key in HAND:
        h = HAND[key]
        return h.get(col) or h.get("en")
    lang = icu.Locale(loc_id).getLanguage()
    if lang in HAND and icu.Locale(loc_id).getScript():
        h = HAND[lang]
        return with_script(h.get(col) or h["en"], loc_id, col)
    return None


def names(loc_id):
    """The 13 names of a locale: CLDR's, then the hand table, then the English name."""
    key = loc_id.lower()
    out = []
    for col in COLUMNS:
        name = HAND[key].get(col) if key in HAND else None
        if name is None:
            name = icu_name(loc_id, col)
        if name is None:
            name = hand_name(loc_id, col)
        if name is None:
            name = icu_name(loc_id, "en") or hand_name(loc_id, "en")
        if name is None:
            sys.exit("no name for %s in %s: add it to HAND" % (loc_id, col))
        out.append(name)
    return out


def row(code, zh=None, en=None, loc_id=None, number=""):
    n = names(loc_id or locale_id(code))
    if zh is not None:
        n[0] = zh
    if en is not None:
        n[1] = en
    return [number, code] + n


def joined(a, b):
    return [x + "+" + y for x, y in zip(a, b)]


def numbered(rows):
    """Fills column 0 with 1, 2, ... on every row that has a name besides the Chinese one."""
    n = 0
    for r in rows:
        if r[3]:
            n += 1
            r[0] = str(n)
    return rows


# ---------------------------------------------------------------------------
# iFlytek dictation, international.
VOICE_IDENTIFY = [
    ("id_ID", "印尼语", "Indonesian"), ("MANDARIN", "普通话", "Mandarin"), ("en_us", "英语", "English"),
    ("ms_MY", "马来语", "Malay"), ("hi_in", "印地语", "Hindi"), ("ru-ru", "俄语", "Russian"),
    ("ja_jp", "日语", "Japanese"), ("ko_kr", "韩语", "Korean"), ("vi_VN", "越南语", "Vietnamese"),
    ("th_TH", "泰语", "Thai"), ("bg_bg", "保加利亚语", "Bulgarian"), ("fr_fr", "法语", "French"),
    ("de_DE", "德语", "German"), ("ar_il", "阿拉伯语", "Arabic"), ("bn_BD", "孟加拉语", "Bengali"),
    ("es_es", "西班牙语", "Spanish"), ("TTT", "尼泊尔语", "Nepali"),
]


def voice_identify():
    # The international service takes a language; the region in its code says nothing.
    return numbered([row(c, zh, en, loc_id=locale_id(c).split("_")[0] if c not in LOCALE_OF
                         else None) for c, zh, en in VOICE_IDENTIFY])


def voice_identify_cn_all():
    mandarin = names("zh")
    dialect = lambda key: [DIALECTS[key][c] for c in COLUMNS]
    sichuan = dialect("sichuan")
    rows = [
        row("zh_cn", "普通话（简体）", "Mandarin", loc_id="zh_Hans"),
        row("zh_cn_taiwan_traditional", "普通话（繁体）", "Mandarin Tradisional", loc_id="zh_Hant"),
        row("en", "英语", "English"),
        ["", "zh_cn_henanese"] + dialect("henan"),
        row("zh_cn_cn_cantonese", "广东话（简体）", "Cantonese (Simplified)", loc_id="yue_Hans"),
        row("zh_cn_cantonese_traditional", "广东话（繁体）", "Cantonese (Traditional)", loc_id="yue_Hant"),
        ["", "zh_cn_shanghainese"] + dialect("shanghai"),
        ["", "zh_cn_nanchangnese"] + dialect("nanchang"),
        ["", "zh_cn_cn_cantonese"] + joined(mandarin, names("yue")),
        ["", "zh_cn_cn_lmz"] + joined(mandarin, sichuan),
        row("zh_cn_hakkanese", "闽南话", "Minnan dialect", loc_id="nan"),
        ["", "zh_cn_lmz"] + sichuan,
        ["", "zh_cn_wuhanese"] + dialect("wuhan"),
        row("zh_cn_hakkanese", "客家话", "hakka dialect", loc_id="hak"),
    ]
    rows[8][2:4] = ["普通话+广东话", "Mandarin+Cantonese"]
    rows[9][2:4] = ["普通话+四川话", "Mandarin+Sichuan dialect"]
    rows += [["", "16k_zh_dialect", city] + [""] * 12 for city in DIALECT_CITIES]
    rows += [
        row("ja_jp", "日语", "Japanese", loc_id="ja"), row("id_ID", "印尼语", "Indonesian", loc_id="id"),
        row("ms_MY", "马来语", "Malay", loc_id="ms"), row("ko_kr", "韩语", "Korean", loc_id="ko"),
        row("th_TH", "泰语", "Thai", loc_id="th"), row("vi_VN", "越南语", "Vietnamese", loc_id="vi"),
        row("ar_il", "阿拉伯语", "Arabic", loc_id="ar"), row("ru-ru", "俄语", "Russian", loc_id="ru"),
    ]
    return numbered(rows)


def voice_identify_cn():
    rows = [list(r) for r in voice_identify_cn_all()[:32]]
    rows[4][1] = "cn_cantonese"
    return rows


MS_TRANSLATOR = """zh-Hans zh-Hant en yue ko ru fr id ar ja brx bs ca cs cy da de doi dsb dv el bo es et eu fa
fi fil fj fo bg fr-ca ga gl gom gu ha he hi hr hsb ht hu hy as ig ikt is it iu iu-Latn bn ka kk km
kmr kn ko ks ku ky ln lo lt lug lv lzh mai mg mi mk ml mn-Cyrl mn-Mong mr ms mt mww my nb ne nl nso
nya or otq pa pl prs ps pt pt-pt ro ba run rw sd si sk sl sm sn so sq sr-Cyrl sr-Latn st sv sw ta te
th ti tk tlh-Latn tlh-Piqd tn to tr tt ty ug uk ur uz vi xh yo yua af am az zu bho""".split()

IFLYTEK = """cn cht en yue ko ru fr id ar ja af es az ba be bem bg bi bn bs ca ceb co crs cs cy da de ee
el eo et eu fa fi fil fj fy ga gd gl gu ha haw he hi hr ht hu hy am ig is it jv jy ka kek kg kk km
kn ku ky la lb lg ln lo lt lv mg mhr mi mk ml mn mr mrj ms mt mww my nb ne nl no ny om os otq pa pap
pl ps rn ro rw sd sg si sk sl sm sn so sq sr st su sv sw ta te tg tn th ti tig tk to tpi tr ts tt
tw ty udm uk ur uy uz vi war xh yi yo yua pt zu""".split()

AZURE_OCR = """en id zh-Hans ja ko zh-Hant af anp ar ast awa az be-cyrl be-latn bfy bfz bg bgc bho bi bns
br bra brx bs bua ca ceb ch cnr-cyrl cnr-latn co crh cs csb cy da de dhi doi dsb es et eu fa fi fil
fj fo fr fur fy ga gag gd gil gl gon gv gvr haw hi hlb hne hni hoc hr hsb ht hu ia is it iu Jns jv
kaa kaa-cyrl kac kea kfq kha kk-cyrl kk-latn kl klr kmj kos kpy krc kru ksh ku-arab ku-latn kum kw
ky la lb lkt lt mi mn mr ms mt mww myv nap ne niu nl no nog oc os pa pl prs ps pt quc rab rm ro ru
sa sat sck sco sk sl sm sma sme smj smn sms so sq sr-latn srx sv sw tet tg thf tk to tr tt tyv ug
ur uz uz-arab uz-cyrl vo wae xnr xsr yua za zu""".split()

MS_SPEECH = """en-US id-ID ja-JP ko-KR zh-CN fr-FR af-ZA am-ET ar-SA da-DK de-AT de-CH de-DE el-GR es-ES
et-EE eu-ES fa-IR fi-FI fil-PH ga-IE gl-ES gu-IN he-IL hi-IN hr-HR hu-HU hy-AM is-IS it-IT jv-ID
ka-GE kk-KZ km-KH kn-IN lo-LA lt-LT lv-LV mk-MK ml-IN mn-MN mr-IN ms-MY mt-MT my-MM nb-NO ne-NP
nl-NL or-IN pa-IN pl-PL ps-AF pt-BR ro-RO ru-RU si-LK sk-SK sl-SI so-SO sq-AL sr-RS sv-SE sw-KE
ta-IN te-IN th-TH tr-TR uk-UA ur-IN uz-UZ vi-VN zu-ZA zh-HK yue-CN zh-TW""".split()


def long_table(codes, first):
    rows = []
    for c in codes:
        zh, en = first.get(c, (None, None))
        rows.append(row(c, zh, en))
    return numbered(rows)


def ms_translator():
    return long_table(MS_TRANSLATOR, {"zh-Hans": ("简体中文", "Simplified Chinese"),
                                      "zh-Hant": ("中文(繁体)", "Chinese (Traditional)"),
                                      "en": ("英语", "English")})


def iflytek():
    return long_table(IFLYTEK, {"cn": ("中文(简体)", "Chinese (Simplified)"),
                                "cht": ("中文(繁体)", "Chinese (Traditional)")})


def azure_ocr():
    rows = long_table(AZURE_OCR, {})
    # These two rows have always carried a trailing empty field.
    for r in rows:
        if r[1] in ("ceb", "tet"):
            r.append("")
    return rows


def ms_speech():
    rows = []
    for c in MS_SPEECH:
        # The service's list has always had this code with a trailing space.
        code = "am-ET " if c == "am-ET" else c
        r = row(code, *(("英语（美国）", "English (US)") if c == "en-US" else (None, None)))
        rows.append(r)
    # The Thai name of zh-TW names script and region and keeps its comma in
    # quotes; the table has no quoting, so that name takes two fields.
    zh_tw = rows[-1]
    thai = COLUMNS.index("th") + 2
    zh_tw[thai] = '"%s"' % icu.Locale("zh_Hant_TW").getDisplayName(icu.Locale("th"))
    assert "," in zh_tw[thai]
    return numbered(rows)


def tables():
    translator, fly = ms_translator(), iflytek()
    return {
        "voice_identify.csv": [HEADER_IDENTIFY] + voice_identify(),
        "voice_identify_cn_all.csv": [HEADER_IDENTIFY] + voice_identify_cn_all(),
        "voice_identify_cn.csv": [HEADER_IDENTIFY] + voice_identify_cn(),
        "voice_identify_msWin10.csv": [HEADER_IDENTIFY] + ms_speech(),
        "voice_translate.csv": [HEADER_TRANSLATE] + translator,
        "voice_translate_cn.csv": [HEADER_TRANSLATE] + fly,
        "ocr_identify.csv": [HEADER_OCR] + azure_ocr(),
        "ocr_identify_cn.csv": [HEADER_IDENTIFY] + fly,
        "ocr_translate.csv": [HEADER_TRANSLATE] + translator,
        "ocr_translate_cn.csv": [HEADER_TRANSLATE] + fly,
        "words_identify.csv": [HEADER_IDENTIFY] + translator,
        "words_identify_cn.csv": [HEADER_IDENTIFY] + fly,
        "words_translate.csv": [HEADER_TRANSLATE] + translator,
        "words_translate_cn.csv": [HEADER_TRANSLATE] + fly,
    }


def render(rows):
    for r in rows:
        for field in r[2:]:
            # Only the quoted Thai name of zh-TW may hold a comma.
            if "," in field and not field.startswith('"'):
                sys.exit("comma in name %r of %s" % (field, r[1]))
    return ("\ufeff" + "".join(",".join(r) + "\n" for r in rows)).encode("utf-8")


def main():
    check = "--check" in sys.argv[1:]
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "lang")
    os.makedirs(out_dir, exist_ok=True)
    differ = []
    for name, rows in tables().items():
        data = render(rows)
        path = os.path.join(out_dir, name)
        if check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        differ.append(name)
            except FileNotFoundError:
                differ.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if differ:
        print("differ from the generated tables: " + " ".join(differ))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
