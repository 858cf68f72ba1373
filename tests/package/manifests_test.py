"""The winget and Scoop manifests that scripts/package writes, read with a YAML
and a JSON parser and held to the rules each format documents: the fields the
schema version requires, the forms of their values, the hashes of the files
that ship, and the installer's own exit codes.
  manifests_test.py PACKAGES_DIR INSTALLER_NSI VERSION
"""
import hashlib
import json
import os
import re
import sys
import zipfile

import yaml

packages, installer_nsi, version = sys.argv[1:4]
checks = 0
failures = 0


def check(what, condition):
    global checks, failures
    checks += 1
    print(("ok: " if condition else "FAILED: ") + what)
    if not condition:
        failures += 1


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def nsis_defines(path):
    with open(path, encoding="utf-8") as file:
        return dict(re.findall(r'^!define (\w+) "?([^"\n]*)"?$', file.read(), re.M))


nsis = nsis_defines(installer_nsi)
setup = f"TolvrinShutdown-{version}-setup.exe"
zips = {"64bit": f"TolvrinShutdown-{version}-x64.zip", "32bit": f"TolvrinShutdown-{version}-x86.zip"}

# --- winget: the multi-file manifest of one schema version -----------------
# Each file type with its required fields and the fields it may hold.
WINGET_FIELDS = {
    "version": (
        {"PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"},
        set(),
    ),
    "installer": (
        {"PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion"},
        {"InstallerType", "Scope", "InstallModes", "InstallerSwitches", "ExpectedReturnCodes", "UpgradeBehavior",
         "ProductCode", "AppsAndFeaturesEntries", "InstallerLocale", "Platform", "MinimumOSVersion",
         "InstallerSuccessCodes", "ReleaseDate", "ElevationRequirement", "InstallationMetadata", "Commands"},
    ),
    "defaultLocale": (
        {"PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName", "License",
         "ShortDescription", "ManifestType", "ManifestVersion"},
        {"PublisherUrl", "PublisherSupportUrl", "PrivacyUrl", "Author", "PackageUrl", "LicenseUrl", "Copyright",
         "CopyrightUrl", "Description", "Moniker", "Tags", "ReleaseNotes", "ReleaseNotesUrl", "Documentations"},
    ),
}
FILE_NAMES = {"version": "{id}.yaml", "installer": "{id}.installer.yaml", "defaultLocale": "{id}.locale.{locale}.yaml"}
IDENTIFIER = re.compile(r'^[^.\s\\/:*?"<>|\x01-\x1f]{1,32}(\.[^.\s\\/:*?"<>|\x01-\x1f]{1,32}){1,7}$')
VERSION_TEXT = re.compile(r'^[^\\/:*?"<>|\x01-\x1f]{1,128}$')
LOCALE = re.compile(r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$")
MANIFEST_VERSION = re.compile(r"^(0|[1-9][0-9]{0,4})(\.(0|[1-9][0-9]{0,4})){2}$")
SHA256 = re.compile(r"^[A-Fa-f0-9]{64}$")
URL = re.compile(r"^[Hh][Tt][Tt][Pp][Ss]?://.+$")
RETURN_RESPONSES = {
    "packageInUse", "packageInUseByApplication", "installInProgress", "fileInUse", "missingDependency", "diskFull",
    "insufficientMemory", "invalidParameter", "noNetwork", "contactSupport", "rebootRequiredToFinish",
    "rebootRequiredForInstall", "rebootInitiated", "cancelledByUser", "alreadyInstalled", "downgrade",
    "blockedByPolicy", "systemNotSupported", "custom",
}
SCHEMA_COMMENT = re.compile(r"^# yaml-language-server: \$schema=https://aka\.ms/winget-manifest\.(\w+)\.([0-9.]+)\.schema\.json$", re.M)

winget_dir = os.path.join(packages, "winget")
documents = {}
for path in sorted(os.listdir(winget_dir)) if os.path.isdir(winget_dir) else []:
    with open(os.path.join(winget_dir, path), encoding="utf-8") as file:
        text = file.read()
    try:
        document = yaml.safe_load(text)
    except yaml.YAMLError as error:
        document = None
        print(f"  {error}")
    check(f"winget {path} is a YAML mapping", isinstance(document, dict))
    if not isinstance(document, dict):
        continue
    kind = document.get("ManifestType")
    check(f"winget {path}: a manifest type of the multi-file form ({kind})", kind in WINGET_FIELDS)
    if kind not in WINGET_FIELDS:
        continue
    documents[kind] = document
    comment = SCHEMA_COMMENT.search(text)
    check(f"winget {path} names its schema in a comment, of its own type and version",
          comment is not None and comment.groups() == (kind, document.get("ManifestVersion")))
    required, optional = WINGET_FIELDS[kind]
    check(f"winget {path} has every required field (missing: {sorted(required - document.keys())})",
          required <= document.keys())
    check(f"winget {path} holds only fields of its type (unknown: {sorted(document.keys() - required - optional)})",
          document.keys() <= required | optional)
    name = FILE_NAMES[kind].format(id=document.get("PackageIdentifier"), locale=document.get("PackageLocale"))
    check(f"winget {path} is named after its identifier and type ({name})", path == name)

check("winget: the version, installer and default-locale files are there", documents.keys() == WINGET_FIELDS.keys())
if documents.keys() == WINGET_FIELDS.keys():
    identity = {(d["PackageIdentifier"], d["PackageVersion"], d["ManifestVersion"]) for d in documents.values()}
    check("winget: one identifier, version and schema version in all three files", len(identity) == 1)
    identifier, package_version, manifest_version = identity.pop()
    check(f"winget: the identifier {identifier!r} has the documented form",
          isinstance(identifier, str) and len(identifier) <= 128 and IDENTIFIER.match(identifier))
    check(f"winget: the package version is the text {version!r}", package_version == version and VERSION_TEXT.match(package_version))
    check("winget: the schema version has three numbers", isinstance(manifest_version, str) and MANIFEST_VERSION.match(manifest_version))
    check("winget: the default locale is the locale file's",
          LOCALE.match(documents["version"]["DefaultLocale"]) and
          documents["version"]["DefaultLocale"] == documents["defaultLocale"]["PackageLocale"])

    locale = documents["defaultLocale"]
    check("winget: publisher and package name are the installer's",
          locale["Publisher"] == nsis["PUBLISHER"] and locale["PackageName"] == nsis["PRODUCT"])
    check("winget: the licence is MIT", locale["License"] == "MIT")
    check("winget: the short description has 3 to 256 characters", 3 <= len(locale["ShortDescription"]) <= 256)
    tags = locale.get("Tags", [])
    check("winget: at most 16 tags, each 1 to 40 characters without spaces, none twice",
          0 < len(tags) <= 16 and len(set(tags)) == len(tags) and
          all(isinstance(t, str) and 1 <= len(t) <= 40 and not re.search(r"\s", t) for t in tags))

    installer = documents["installer"]
    entries = installer["Installers"]
    check("winget: the nullsoft installer, per user, silent with /S",
          installer.get("InstallerType") == "nullsoft" and installer.get("Scope") == "user" and
          installer.get("InstallerSwitches", {}).get("Silent") == "/S" and
          installer.get("InstallerSwitches", {}).get("SilentWithProgress") == "/S" and
          set(installer.get("InstallModes", [])) <= {"interactive", "silent", "silentWithProgress"})
    check("winget: an upgrade installs over the earlier version", installer.get("UpgradeBehavior") == "install")
    product_code = nsis["UNINSTALL_KEY"].rsplit("\\", 1)[-1]
    check(f"winget: the product code is the uninstall key's name ({product_code})",
          installer.get("ProductCode") == product_code)
    check("winget: the Apps entry is the one the installer writes",
          installer.get("AppsAndFeaturesEntries") == [{"DisplayName": nsis["PRODUCT"], "Publisher": nsis["PUBLISHER"],
                                                       "DisplayVersion": version, "ProductCode": product_code}])
    check("winget: one installer file for x64 and x86",
          sorted(e.get("Architecture") for e in entries) == ["x64", "x86"] and
          all(set(e) == {"Architecture", "InstallerUrl", "InstallerSha256"} for e in entries))
    setup_hash = sha256(os.path.join(packages, setup))
    for entry in entries:
        url = entry.get("InstallerUrl", "")
        check(f"winget {entry.get('Architecture')}: the URL names {setup}",
              URL.match(url) and len(url) <= 2048 and url.endswith("/" + setup))
        check(f"winget {entry.get('Architecture')}: the hash is the shipped installer's",
              SHA256.match(str(entry.get("InstallerSha256"))) and entry["InstallerSha256"].lower() == setup_hash)

    # The installer's exit codes: every EXIT_ code it defines, and 1, each
    # once, with one of winget's answers.
    responses = {e.get("InstallerReturnCode"): e.get("ReturnResponse") for e in installer.get("ExpectedReturnCodes", [])}
    exits = {name: int(value) for name, value in nsis.items() if name.startswith("EXIT_")}
    check(f"winget: a response for 1 and each of the installer's codes {sorted(exits.values())}, each once",
          sorted(responses) == sorted({1, *exits.values()}) and
          len(responses) == len(installer["ExpectedReturnCodes"]))
    check("winget: every code is a non-zero integer with a documented response",
          all(isinstance(c, int) and c != 0 and r in RETURN_RESPONSES for c, r in responses.items()))
    for code, expected in [(1, "cancelledByUser"), (exits.get("EXIT_COUNTDOWN_RUNNING"), "packageInUse"),
                           (exits.get("EXIT_NEWER_INSTALLED"), "downgrade"),
                           (exits.get("EXIT_FILE_NOT_WRITTEN"), "fileInUse")]:
        check(f"winget: exit code {code} is {expected}", responses.get(code) == expected)

# --- Scoop: one JSON manifest for the portable zips ------------------------
SCOOP_FIELDS = {
    "version", "description", "homepage", "license", "notes", "depends", "suggest", "url", "hash", "extract_dir",
    "extract_to", "architecture", "bin", "shortcuts", "persist", "pre_install", "post_install", "pre_uninstall",
    "post_uninstall", "installer", "uninstaller", "env_add_path", "env_set", "checkver", "autoupdate", "##",
}
scoop_path = os.path.join(packages, "scoop", "tolvrin-shutdown.json")
try:
    with open(scoop_path, encoding="utf-8") as file:
        scoop = json.load(file)
except (OSError, ValueError) as error:
    scoop = None
    print(f"  {error}")
check("scoop: the manifest is a JSON object", isinstance(scoop, dict))
if isinstance(scoop, dict):
    check(f"scoop: only documented fields (unknown: {sorted(scoop.keys() - SCOOP_FIELDS)})", scoop.keys() <= SCOOP_FIELDS)
    check(f"scoop: version {version!r}, a description, a homepage and the MIT licence",
          scoop.get("version") == version and scoop.get("description") and URL.match(str(scoop.get("homepage"))) and
          scoop.get("license") == "MIT")
    architecture = scoop.get("architecture", {})
    check("scoop: a 64-bit and a 32-bit zip, nothing at the top level",
          sorted(architecture) == ["32bit", "64bit"] and "url" not in scoop and "hash" not in scoop)
    for arch, name in zips.items():
        entry = architecture.get(arch, {})
        check(f"scoop {arch}: the URL names {name}", URL.match(str(entry.get("url"))) and
              str(entry.get("url")).endswith("/" + name))
        hash_text = str(entry.get("hash", "")).removeprefix("sha256:")
        check(f"scoop {arch}: the hash is the shipped zip's",
              SHA256.match(hash_text) and hash_text.lower() == sha256(os.path.join(packages, name)))
        with zipfile.ZipFile(os.path.join(packages, name)) as archive:
            names = set(archive.namelist())
        shortcuts = scoop.get("shortcuts", [])
        check(f"scoop {arch}: bin, the shortcut and the persisted file are in the zip",
              scoop.get("bin") in names and
              all(isinstance(s, list) and 2 <= len(s) <= 4 and s[0] in names for s in shortcuts) and
              scoop.get("persist") in names)
        check(f"scoop {arch}: the notes' languages folder is in the zip",
              any(n.startswith("languages/") for n in names) and "languages" in " ".join(scoop.get("notes", [])))
    check("scoop: one Start-menu shortcut to the program, named as the installer names it",
          scoop.get("shortcuts") == [["TolvrinShutdown.exe", nsis["PRODUCT"]]])

print(f"{checks - failures} passed, {failures} failed")
sys.exit(1 if failures or checks == 0 else 0)
