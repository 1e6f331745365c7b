// One conversion request of the page: from the chosen export's bytes to the messages shown and
// the two result files. Only the archive member named after the export is inflated; the engine
// converts it in the module's in-memory file system, which keeps nothing afterwards.
// A plain script for the page; node's tests load it as a module.
(function (global) {
  'use strict';

  // An entry name as the desktop's extraction reads it: a name stored without the UTF-8 flag
  // comes out of the archive reader byte for byte, and is UTF-8 whenever it decodes as such.
  function storedName(name) {
    if (!/^[\0-\xff]*$/.test(name)) return name;
    const bytes = Uint8Array.from(name, (c) => c.charCodeAt(0));
    try {
      return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    } catch {
      return name;
    }
  }

  // The name under which the entry lands at the top of the extraction folder; null for one
  // in a folder or an absolute one. Folder parts "." and empty ones do not count.
  function topLevelName(name) {
    const stored = storedName(name);
    if (/^[/\\]/.test(stored)) return null;
    const parts = stored.split(/[/\\]/).filter((part) => part !== '' && part !== '.');
    return parts.length === 1 && parts[0] !== '..' ? parts[0] : null;
  }

  // The member's bytes (undefined when the archive has no such member), and the names of the
  // other XML documents at the top of the archive, which are not inflated. Throws what the
  // archive reader says about a damaged or foreign archive.
  function inflateMember(fflate, bytes, memberName) {
    const otherXml = [];
    const members = fflate.unzipSync(bytes, {
      filter: (file) => {
        const name = topLevelName(file.name);
        if (name !== null && name !== memberName && name.length > 4 && name.endsWith('.xml')) {
          otherXml.push(name);
        }
        return name === memberName;
      },
    });
    return { member: Object.values(members)[0], otherXml };
  }

  // The archive reader's complaint in the words of the desktop's extraction.
  function readerProblem(error) {
    const invalidZipData = 13;
    const unknownCompression = 14;
    if (error.code === invalidZipData) return "ce n'est pas une archive zip";
    if (error.code === unknownCompression) return 'méthode de compression non prise en charge';
    return 'archive abîmée ou tronquée';
  }

  function takeResults(FS, folder) {
    return FS.readdir(folder)
      .filter((name) => name !== '.' && name !== '..')
      .sort()
      .map((name) => {
        const path = folder + '/' + name;
        const data = FS.readFile(path);
        FS.unlink(path);
        return { name, data };
      });
  }

  function vectorToArray(vector) {
    const items = [];
    for (let i = 0; i < vector.size(); i++) items.push(vector.get(i));
    vector.delete();
    return items;
  }

  // With the module `ferolan`, converts the export `fileName` whose content is `bytes` (a
  // Uint8Array) into casimir files or ";"-separated text files.
  // Returns { messages, results: [{ name, data }] }.
  function convertExport(ferolan, fflate, fileName, bytes, casimir) {
    const placement = ferolan.placeExport(fileName);
    const messages = [];
    let member;
    try {
      const found = inflateMember(fflate, bytes, placement.memberName);
      member = found.member;
      // Empty stand-ins tell the conversion which XML the export holds instead of its own.
      const workFolder = placement.xmlPath.slice(0, placement.xmlPath.lastIndexOf('/'));
      for (const name of found.otherXml) ferolan.FS.writeFile(workFolder + '/' + name, new Uint8Array(0));
    } catch (error) {
      messages.push("Une erreur s'est produite pendant la décompression",
        'erreur : ' + fileName + ' : ' + readerProblem(error));
    }
    if (member !== undefined && member.length === 0) {
      messages.push("L'exportation " + fileName +
        ' est vide : aucun fichier de résultats n\'a été écrit.');
      return { messages, results: [] };
    }
    if (member !== undefined) ferolan.FS.writeFile(placement.xmlPath, member, { canOwn: true });
    messages.push(...vectorToArray(ferolan.convertPlacedExport(casimir)));
    return { messages, results: takeResults(ferolan.FS, placement.resultFolder) };
  }

  const api = { convertExport };
  if (typeof module === 'object' && module.exports) module.exports = api;
  else global.ferolanRequest = api;
})(this);
