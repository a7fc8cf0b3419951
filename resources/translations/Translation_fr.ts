<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>Paramètres de compression</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>Petite taille de fichier</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>Compression élevée, qualité faible.</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>Taille de fichier moyenne</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>Compression moyenne, qualité moyenne.</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>Grande taille de fichier</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>Compression faible, qualité élevée.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tous</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Commentaires et assistance</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Show Log in Explorer</source>
        <translation>Afficher le journal dans l&apos;Explorateur</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>Mot de passe d&apos;impression</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>Mot de passe d&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>%1 Pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>Unlock the document with its password</source>
        <translation>Déverrouiller le document avec son mot de passe</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>Paramètres de compression</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>Afficher le fichier compressé dans son dossier</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Erreur réseau, veuillez vérifier votre connexion !</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Le programme a planté.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Veuillez envoyer le rapport de plantage au développeur. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>est actuellement la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Requêtes trop fréquentes, veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>Une version plus récente est disponible : %1. Voulez-vous ouvrir la page du produit ?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quorva Title</source>
        <translation>Titre Quorva</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>Glissez-déposez des fichiers ici ou ajoutez-les avec le bouton +.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Sélectionner des fichiers</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Sélectionner le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Plus d&apos;info</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
